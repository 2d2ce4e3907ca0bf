#pragma once

#include "app/helplayer.h"
#include "app/helpviewer.h"

#include <memory>

class QApplication;

namespace vorneta {

class TForm1;
class TForm2;
class TForm3;

// The application object's settings: name and version, the program icon, the program's font
// (the bitmap sans serif, or Liberation Sans) and Qt's own texts in Polish. The application
// title, "Współpraca aplikacji z pomocą Windows", is applicationTitle(); it is deliberately not
// Qt's display name, which Qt would append to every window caption.
void initialiseApplication(QApplication &app);

// Loads Qt's Polish translations of its own dialogs and buttons; false when they are missing.
bool installQtTranslations(QApplication &app);

// The whole program from its windows' creation to its shutdown: the splash screen Form3, the
// main window Form1 and the about box Form2, created hidden in that order, and the help layer.
class Program
{
public:
    explicit Program(std::unique_ptr<HelpViewer> viewer = makeHelpViewer());
    // The shutdown clean-up: the help viewer hears that the program no longer needs it,
    // whichever way the program ended.
    ~Program();

    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Shows the splash screen and runs the message loop until the splash screen has closed;
    // returns the exit status.
    int run();

    TForm3 &form3() { return *form3_; }
    TForm1 &form1() { return *form1_; }
    TForm2 &form2() { return *form2_; }
    HelpLayer &help() { return help_; }

private:
    HelpLayer help_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
};

}  // namespace vorneta
