#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QSlider;

namespace vorneta {

class ReadoutLabel;
struct LoopReadings;

// "II prawo Kirchhoffa": two voltage sources and three resistors in one loop, a voltmeter
// across each; the source voltages equal the sum of the three drops.
class KirchhoffVoltageTab : public QWidget
{
    Q_OBJECT

public:
    explicit KirchhoffVoltageTab(QWidget *parent = nullptr);

    // The slider handlers: store the slider's setting, rewrite its readout and the three
    // voltage drops.
    void TrackBar10Change();
    void TrackBar11Change();
    void TrackBar12Change();
    void TrackBar13Change();
    void TrackBar14Change();

    QLabel *Image3;
    QFrame *Bevel5;
    QFrame *Bevel15;
    QFrame *Bevel16;
    QFrame *Bevel17;
    QFrame *Bevel18;
    QFrame *Bevel19;
    QLabel *Label52, *Label53, *Label54, *Label55, *Label56;
    QLabel *Label57, *Label58, *Label59;
    QLabel *Label60, *Label61, *Label62;
    QLabel *Label63, *Label64;
    QLabel *Label65, *Label66;
    QLabel *Label67, *Label68;
    QLabel *Label69;
    QLabel *Label70;
    ReadoutLabel *Label72;  // U1
    ReadoutLabel *Label73;  // U2
    ReadoutLabel *Label74;  // drop across R1
    ReadoutLabel *Label75;  // drop across R3
    ReadoutLabel *Label76;  // drop across R2
    ReadoutLabel *Label77;  // R1
    ReadoutLabel *Label78;  // R2
    ReadoutLabel *Label79;  // R3
    QSlider *TrackBar10;
    QSlider *TrackBar11;
    QSlider *TrackBar12;
    QSlider *TrackBar13;
    QSlider *TrackBar14;

private:
    void show(const LoopReadings &readings, ReadoutLabel *setting);
};

}  // namespace vorneta
