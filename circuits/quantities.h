#pragma once

#include "common/quantity.h"

namespace vorneta {

// The program-wide quantities of the four slider tabs. Each belongs to one tab, which alone
// reads and writes it; all live for the whole run. They start at zero, except the seven that
// setStartQuantities() sets to 1.0 before any window exists.

// "Prawo Ohma"
extern Quantity PradOhm;             // source current I, amperes
extern Quantity RezystancjaOhm;      // resistance R, ohms

// "I prawo Kirchhoffa"
extern Quantity PradJ1Wezel;         // source current J1, amperes
extern Quantity PradJ2Wezel;         // source current J2, amperes
extern Quantity RezystancjaR1Wezel;  // resistance R1, ohms
extern Quantity RezystancjaR2Wezel;  // resistance R2, ohms
extern Quantity RezystancjaR3Wezel;  // resistance R3, ohms

// "II prawo Kirchhoffa"
extern Quantity NapiecieU1Oczko;     // source voltage U1, volts
extern Quantity NapiecieU2Oczko;     // source voltage U2, volts
extern Quantity RezystancjaR1Oczko;  // resistance R1, ohms
extern Quantity RezystancjaR2Oczko;  // resistance R2, ohms
extern Quantity RezystancjaR3Oczko;  // resistance R3, ohms

// "Pomiar mocy"
extern Quantity SemMoc;              // electromotive force E, volts
extern Quantity ImpedancjaMoc;       // load impedance Z, ohms
extern Quantity KatMoc;              // phase shift, degrees

// Start-up: sets the three resistances of each Kirchhoff tab and the impedance of the power
// tab to 1.0, in that order. The others keep their start value of zero.
void setStartQuantities();

}  // namespace vorneta
