#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QSlider;

namespace vorneta {

class ReadoutLabel;
struct NodeReadings;

// "I prawo Kirchhoffa": two current sources J1, J2 feed three parallel resistors; the
// branch ammeters show that the source currents equal the sum of the branch currents.
class KirchhoffCurrentTab : public QWidget
{
    Q_OBJECT

public:
    explicit KirchhoffCurrentTab(QWidget *parent = nullptr);

    // The slider handlers: store the slider's setting, rewrite its readout and the three
    // branch currents.
    void TrackBar3Change();
    void TrackBar4Change();
    void TrackBar5Change();
    void TrackBar6Change();
    void TrackBar7Change();

    QLabel *Image2;
    QFrame *Bevel4;
    QLabel *Label13;
    QLabel *Label14;
    QFrame *Bevel8;
    QFrame *Bevel9;
    QFrame *Bevel10;
    QFrame *Bevel11;
    QFrame *Bevel12;
    QLabel *Label15;
    ReadoutLabel *Label16;  // J1
    QLabel *Label17;
    ReadoutLabel *Label18;  // J2
    QLabel *Label19;
    QLabel *Label20;
    QLabel *Label21;
    ReadoutLabel *Label22;  // R1
    ReadoutLabel *Label23;  // R2
    ReadoutLabel *Label24;  // R3
    QLabel *Label25, *Label26, *Label27;
    QLabel *Label28, *Label29, *Label30;
    QLabel *Label31, *Label32;
    QLabel *Label33, *Label34;
    QLabel *Label35, *Label36;
    ReadoutLabel *Label37;  // branch current through R1
    ReadoutLabel *Label38;  // through R2
    ReadoutLabel *Label39;  // through R3
    QSlider *TrackBar3;
    QSlider *TrackBar4;
    QSlider *TrackBar5;
    QSlider *TrackBar6;
    QSlider *TrackBar7;

private:
    void show(const NodeReadings &readings, ReadoutLabel *setting);
};

}  // namespace vorneta
