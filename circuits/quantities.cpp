#include "circuits/quantities.h"

namespace vorneta {

Quantity PradOhm = 0.0L;
Quantity RezystancjaOhm = 0.0L;

Quantity PradJ1Wezel = 0.0L;
Quantity PradJ2Wezel = 0.0L;
Quantity RezystancjaR1Wezel = 0.0L;
Quantity RezystancjaR2Wezel = 0.0L;
Quantity RezystancjaR3Wezel = 0.0L;

Quantity NapiecieU1Oczko = 0.0L;
Quantity NapiecieU2Oczko = 0.0L;
Quantity RezystancjaR1Oczko = 0.0L;
Quantity RezystancjaR2Oczko = 0.0L;
Quantity RezystancjaR3Oczko = 0.0L;

Quantity SemMoc = 0.0L;
Quantity ImpedancjaMoc = 0.0L;
Quantity KatMoc = 0.0L;

void setStartQuantities()
{
    RezystancjaR1Wezel = 1.0L;
    RezystancjaR2Wezel = 1.0L;
    RezystancjaR3Wezel = 1.0L;
    RezystancjaR1Oczko = 1.0L;
    RezystancjaR2Oczko = 1.0L;
    RezystancjaR3Oczko = 1.0L;
    ImpedancjaMoc = 1.0L;
}

}  // namespace vorneta
