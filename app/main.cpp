// Vorneta: start-up and shutdown.
#include "app/program.h"
#include "circuits/quantities.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The quantities that start at 1.0, before any window exists.
    vorneta::setStartQuantities();

    QApplication app(argc, argv);
    vorneta::initialiseApplication(app);

    vorneta::Program program;
    return program.run();
}
