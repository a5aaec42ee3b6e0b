// The recording panel's sound choice, its level meters and the countdown before the start.
#include <QDebug>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/irecordsoundbar.h"
#include "customui/recording/ivideorecordframe.h"
#include "service/iconfigureservice.h"

void IVideoRecordFrame::buildSoundControls()
{
    soundBar_ = new IRecordSoundBar(this);
    connect(soundBar_, &IRecordSoundBar::sgSoundChosen, this, &IVideoRecordFrame::onSoundChosen);
    connect(soundBar_, &IRecordSoundBar::sgCountdownChanged, this, [](bool on) {
        IConfigureService* config = IConfigureService::instance();
        config->recordingCountdown = on;
        config->setValue(QStringLiteral("screenRecording/countdown"), on);
    });
    connect(&levelMonitor_, &ISoundLevelMonitor::sgLevel, this, &IVideoRecordFrame::onSoundLevel);
    connect(&levelMonitor_, &ISoundLevelMonitor::sgUnavailable, this, [this](const QString& why) {
        qDebug() << "sound level unavailable:" << why;
        soundBar_->setUnavailable(true);
        recordingLevel_->setValue(0);
    });

    recordingLevel_ = new QProgressBar(controlBar_);
    recordingLevel_->setObjectName(QStringLiteral("recordingSoundLevel"));
    recordingLevel_->setRange(0, 100);
    recordingLevel_->setTextVisible(false);
    recordingLevel_->setOrientation(Qt::Vertical);
    recordingLevel_->setFixedSize(static_cast<int>(8 * uiScale), static_cast<int>(40 * uiScale));
    controlBar_->layout()->addWidget(recordingLevel_);
    fitControlBar();

    countdownLabel_ = new QLabel(this);
    countdownLabel_->setObjectName(QStringLiteral("countdown"));
    countdownLabel_->setAlignment(Qt::AlignCenter);
    countdownLabel_->setFont(appFont(60, 75));
    countdownLabel_->setStyleSheet(
        QStringLiteral("color:white;background-color:rgba(0,0,0,160);border-radius:%1px;")
            .arg(static_cast<int>(60 * uiScale)));
    countdownLabel_->setFixedSize(static_cast<int>(120 * uiScale), static_cast<int>(120 * uiScale));
    countdownLabel_->hide();
    countdown_.setInterval(1000);
    connect(&countdown_, &QTimer::timeout, this, &IVideoRecordFrame::onCountdownTick);
}

// Above the choice bar, at its right end (left end when there is no room).
void IVideoRecordFrame::placeSoundBar()
{
    soundBar_->adjustSize();
    const QRect bar = choiceBar_->geometry();
    int x = bar.right() - soundBar_->width() + 1;
    if (x < 0) {
        x = bar.left();
    }
    soundBar_->move(x, bar.top() - soundBar_->height());
    soundBar_->show();
    soundBar_->raise();
}

void IVideoRecordFrame::refreshSound()
{
    IConfigureService* config = IConfigureService::instance();
    const ISoundSources found = ISoundSources::query();
    soundBar_->setSources(found, config->currentCamera.audioInput);
    soundBar_->setCountdown(config->recordingCountdown);
    soundBar_->setLevel(0);
    recordingLevel_->setValue(0);
    levelMonitor_.listen(found.available ? soundBar_->chosenInput() : QString());
}

void IVideoRecordFrame::onSoundChosen(const QString& name)
{
    qDebug() << "sound input chosen:" << name;
    IConfigureService::instance()->setAudioInput(name);
    soundBar_->setLevel(0);
    levelMonitor_.listen(name);
}

void IVideoRecordFrame::onSoundLevel(int percent)
{
    soundBar_->setLevel(percent);
    recordingLevel_->setValue(percent);
}

void IVideoRecordFrame::onCountdownTick()
{
    if (countdownLeft_ == 0) {
        countdown_.stop();
        countdownLabel_->hide();
        launchRecorder();
        return;
    }
    countdownLabel_->setText(QString::number(countdownLeft_--));
    countdownLabel_->move(zoneRect().center() -
                          QPoint(countdownLabel_->width() / 2, countdownLabel_->height() / 2));
    countdownLabel_->show();
    countdownLabel_->raise();
}
