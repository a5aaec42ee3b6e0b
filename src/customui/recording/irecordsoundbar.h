#ifndef IRECORDSOUNDBAR_H
#define IRECORDSOUNDBAR_H

#include <QWidget>

#include "ffmpeg/isoundsources.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;

// The recording panel's sound row: the sound input to record ("No sound" or one of the sound
// server's inputs), its level, and the countdown switch.
class IRecordSoundBar : public QWidget {
    Q_OBJECT
public:
    explicit IRecordSoundBar(QWidget* parent = nullptr);

    // Offers "No sound" and the inputs found, with `chosen` (a name, the server's default name,
    // or empty for none) selected.
    void setSources(const ISoundSources& found, const QString& chosen);
    // The name of the input selected; empty for none.
    QString chosenInput() const;
    void setLevel(int percent);
    void setCountdown(bool on);
    // Tells that the chosen input cannot be heard (no sound server, input gone).
    void setUnavailable(bool unavailable);

signals:
    void sgSoundChosen(const QString& name);
    void sgCountdownChanged(bool on);

private:
    QComboBox* choice_ = nullptr;
    QProgressBar* level_ = nullptr;
    QLabel* note_ = nullptr;
    QCheckBox* countdown_ = nullptr;
};

#endif  // IRECORDSOUNDBAR_H
