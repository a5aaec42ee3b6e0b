#include "customui/settings/isettingframe.h"

#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "customui/settings/isettingaboutpage.h"
#include "customui/settings/isettingformatpage.h"
#include "customui/settings/isettingstoragepage.h"
#include "iapplication.h"
#include "service/iconfigureservice.h"

namespace {

int scaled(int size)
{
    return static_cast<int>(size * uiScale);
}

}  // namespace

ISettingFrame::ISettingFrame(IApplication* app, QWidget* parent)
    : ICustomDialog(tr("Settings"), true, parent), app_(app)
{
    initLanguages();
    CreateUI();
    setMovable(true);
    setRoundedBackground(true);
    setEscapeCloses(true);
}

void ISettingFrame::initLanguages()
{
    languages_.clear();
    languages_ = {{"2052", QString::fromUtf8("简体中文")},
                  {"1028", QString::fromUtf8("繁體中文")},
                  {"1033", "English"},
                  {"1049", QString::fromUtf8("Pусский")},
                  {"1034", QString::fromUtf8("Español")},
                  {"1031", "Deutsch"},
                  {"1041", QString::fromUtf8("日本語")},
                  {"1042", QString::fromUtf8("한국어.")},
                  {"1036", QString::fromUtf8("Français")},
                  {"1040", "Italiano"},
                  {"1043", "Nederlands"},
                  {"1055", QString::fromUtf8("Türkçe")}};
}

void ISettingFrame::CreateUI()
{
    setFixedSize(scaled(650), scaled(450));
    auto* tabColumn = new QVBoxLayout;
    tabColumn->setSpacing(0);
    for (const QString& text : {tr("About"), tr("Save"), tr("Format")}) {
        QToolButton* tab = createTabButton(text);
        const int index = tabs_.size();
        connect(tab, &QToolButton::clicked, this, [this, index]() { selectTab(index); });
        tabs_.append(tab);
        tabColumn->addWidget(tab);
    }
    tabColumn->addStretch();

    pages_ = new QStackedWidget(this);
    pages_->setAttribute(Qt::WA_TranslucentBackground);
    pages_->addWidget(createSoftwarePage());
    pages_->addWidget(createStoragePage());
    pages_->addWidget(createFormatPage());

    auto* separator = new QLabel(this);
    separator->setFixedWidth(scaled(2));
    const QColor black(Qt::black);
    separator->setStyleSheet(QStringLiteral("background-color:rgba(%1,%2,%3,%4);border-radius:%5")
                                 .arg(black.red())
                                 .arg(black.green())
                                 .arg(black.blue())
                                 .arg(black.alpha())
                                 .arg(separator->width() / 2));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, scaled(30), 0, 0);
    row->setSpacing(0);
    row->addLayout(tabColumn);
    row->addWidget(separator);
    row->addWidget(pages_);
    selectTab(0);
}

QToolButton* ISettingFrame::createTabButton(const QString& text)
{
    auto* button = new QToolButton(this);
    button->setCheckable(true);
    button->setText(text);
    button->setFont(appFont(12, 75));
    button->setStyleSheet(
        QStringLiteral("QToolButton{border:none;color:white;}"
                       "QToolButton:hover{color:rgb(235,120,7);background-color:%1;}"
                       "QToolButton:pressed{color:rgb(235,120,7);background-color:%1;}"
                       "QToolButton:checked{color:rgb(235,120,7);background-color:%2;}")
            .arg(panelButtonHover, panelButtonNormal));
    // A translation longer than the tab widens it rather than being cut off.
    button->setFixedSize(qMax(scaled(120), button->sizeHint().width()), scaled(35));
    return button;
}

QWidget* ISettingFrame::createSoftwarePage()
{
    aboutPage_ = new ISettingAboutPage(languages_, this);
    connect(aboutPage_->languageBox(), SIGNAL(currentIndexChanged(int)), this,
            SLOT(slCurrentIndexChanged(int)));
    return aboutPage_;
}

QWidget* ISettingFrame::createStoragePage()
{
    storagePage_ = new ISettingStoragePage(this);
    return storagePage_;
}

QWidget* ISettingFrame::createFormatPage()
{
    formatPage_ = new ISettingFormatPage(this);
    return formatPage_;
}

void ISettingFrame::selectTab(int index)
{
    for (int i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->setChecked(i == index);
    }
    pages_->setCurrentIndex(index);
}

QPoint ISettingFrame::centredPosition(const QRect& screenArea) const
{
    const QSize around = parentWidget() ? parentWidget()->size() : screenArea.size();
    return {(around.width() - width()) / 2 + screenArea.left(),
            (around.height() - height()) / 2 + screenArea.top()};
}

void ISettingFrame::showPanel(bool show)
{
    if (!show) {
        accept();
        return;
    }
    selectTab(0);
    // Values may have changed since the last time (the capture path resets missing folders).
    aboutPage_->selectLanguage(IConfigureService::instance()->langId());
    // The keyboard reaches the language at once (arrow keys choose, as with the mouse).
    aboutPage_->languageBox()->setFocus();
    storagePage_->refresh();
    formatPage_->refresh();
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    move(centredPosition(screen ? screen->availableGeometry() : QRect()));
    exec();
}

void ISettingFrame::slCurrentIndexChanged(int index)
{
    auto* box = qobject_cast<QComboBox*>(sender());
    if (!box) {
        return;
    }
    IConfigureService* config = IConfigureService::instance();
    const QString id = box->itemData(index).toString();
    if (id == config->langId()) {
        return;
    }
    QWidget* boxParent = parentWidget() ? parentWidget() : this;
    const int answer =
        IMsgBox::message(tr("Restart the software, to activate the language setting."),
                         IMsgBox::OkCancelBox, config->productName, boxParent);
    if (answer != QMessageBox::Ok) {
        aboutPage_->selectLanguage(config->langId());
        return;
    }
    qDebug() << "language changed:" << config->langId() << "->" << id;
    config->setLangId(id);
    accept();
    if (app_ && !app_->restart()) {
        IMsgBox::information(tr("The software could not be restarted. The language is used "
                                "from the next start."),
                             boxParent);
    }
}
