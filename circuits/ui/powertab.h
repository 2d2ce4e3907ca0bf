#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QSlider;

namespace vorneta {

class ReadoutLabel;
struct PowerReadings;

// "Pomiar mocy": a source of electromotive force E feeds a load of impedance Z with the
// phase shift phi; the meters show the current and the apparent, reactive and active power.
class PowerTab : public QWidget
{
    Q_OBJECT

public:
    explicit PowerTab(QWidget *parent = nullptr);

    // The slider handlers: store the slider's setting, rewrite its readout, the current and
    // the three powers. The phase slider counts whole degrees.
    void TrackBar8Change();
    void TrackBar9Change();
    void TrackBar15Change();

    QLabel *Image4;
    QFrame *Bevel6;
    QFrame *Bevel13;
    QFrame *Bevel14;
    QLabel *Label40;
    QLabel *Label41;
    QLabel *Label42, *Label43;
    QLabel *Label44, *Label45;
    ReadoutLabel *Label46;  // E
    ReadoutLabel *Label47;  // Z
    ReadoutLabel *Label48;  // current
    ReadoutLabel *Label49;  // apparent power
    QLabel *Label50;
    QLabel *Label51;
    QFrame *Bevel20;
    QLabel *Label80;
    QLabel *Label81;
    QLabel *Label82;
    QLabel *Label83;
    ReadoutLabel *Label84;  // phase shift
    ReadoutLabel *Label85;  // reactive power
    ReadoutLabel *Label86;  // active power
    QSlider *TrackBar8;
    QSlider *TrackBar9;
    QSlider *TrackBar15;

private:
    void show(const PowerReadings &readings, ReadoutLabel *setting);
};

}  // namespace vorneta
