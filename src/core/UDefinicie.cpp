#include "UDefinicie.h"

void TZviera::Vynuluj()
{
    *this = TZviera{};
}

void TPrisun::Vynuluj()
{
    *this = TPrisun{};
}

void TOdsun::Vynuluj()
{
    *this = TOdsun{};
}
