#include "customui/recording/irecordsoundbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

const char* const kDefaultInput = "@DEFAULT_SOURCE@";

}  // namespace

IRecordSoundBar::IRecordSoundBar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("IRecordSoundBar{background-color:rgba(0,0,0,160);}"
                       "QLabel,QCheckBox{color:white;}"));
    setFont(appFont(10, 50));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(scaled(8), scaled(4), scaled(8), scaled(4));
    row->setSpacing(scaled(8));
    row->addWidget(new QLabel(tr("Microphone"), this));
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("soundChoice"));
    choice_->setMinimumWidth(scaled(220));
    row->addWidget(choice_);
    level_ = new QProgressBar(this);
    level_->setObjectName(QStringLiteral("soundLevel"));
    level_->setRange(0, 100);
    level_->setTextVisible(false);
    level_->setFixedSize(scaled(100), scaled(10));
    row->addWidget(level_);
    note_ = new QLabel(tr("No sound available"), this);
    note_->setObjectName(QStringLiteral("soundNote"));
    note_->hide();
    row->addWidget(note_);
    countdown_ = new QCheckBox(tr("Countdown"), this);
    countdown_->setObjectName(QStringLiteral("countdownSwitch"));
    row->addWidget(countdown_);
    connect(choice_, QOverload<int>::of(&QComboBox::activated), this,
            [this] { emit sgSoundChosen(chosenInput()); });
    connect(countdown_, &QCheckBox::toggled, this, &IRecordSoundBar::sgCountdownChanged);
}

void IRecordSoundBar::setSources(const ISoundSources& found, const QString& chosen)
{
    const QSignalBlocker blocker(choice_);
    choice_->clear();
    choice_->addItem(tr("No sound"), QString());
    for (const ISoundSources::Source& source : found.sources) {
        choice_->addItem(source.description.isEmpty() ? source.name : source.description,
                         source.name);
    }
    const QString wanted = chosen == QLatin1String(kDefaultInput) ? found.defaultName : chosen;
    int index = choice_->findData(wanted);
    if (index < 0 && !wanted.isEmpty()) {
        // Kept, so that the choice survives an input unplugged for now.
        choice_->addItem(tr("%1 (not connected)").arg(wanted), wanted);
        index = choice_->count() - 1;
    }
    choice_->setCurrentIndex(qMax(index, 0));
    setUnavailable(!found.available && !chosen.isEmpty());
    adjustSize();
}

QString IRecordSoundBar::chosenInput() const
{
    return choice_->currentData().toString();
}

void IRecordSoundBar::setLevel(int percent)
{
    level_->setValue(percent);
}

void IRecordSoundBar::setCountdown(bool on)
{
    const QSignalBlocker blocker(countdown_);
    countdown_->setChecked(on);
}

void IRecordSoundBar::setUnavailable(bool unavailable)
{
    note_->setVisible(unavailable);
    level_->setVisible(!unavailable);
    if (unavailable) {
        level_->setValue(0);
    }
    adjustSize();
}
