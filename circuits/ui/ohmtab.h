#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QSlider;

namespace vorneta {

class ReadoutLabel;
struct OhmReadings;

// "Prawo Ohma": U = R * I on a current source, an ammeter, a resistor and a voltmeter.
// The sliders set I (TrackBar1) and R (TrackBar2); the readings over the meters follow.
class OhmTab : public QWidget
{
    Q_OBJECT

public:
    explicit OhmTab(QWidget *parent = nullptr);

    // The slider handlers: store the slider's setting, rewrite its readout and the voltage.
    void TrackBar1Change();
    void TrackBar2Change();

    QLabel *Image1;
    ReadoutLabel *Label3;  // current I
    ReadoutLabel *Label4;  // resistance R
    ReadoutLabel *Label5;  // voltage U
    QFrame *Bevel1;
    QLabel *Label1;
    QFrame *Bevel2;
    QLabel *Label2;
    QLabel *Label6;
    QLabel *Label7;
    QFrame *Bevel3;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label12;
    QSlider *TrackBar1;
    QSlider *TrackBar2;

private:
    void show(const OhmReadings &readings, ReadoutLabel *setting);
};

}  // namespace vorneta
