#include "customui/settings/isettingaboutpage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "service/iconfigureservice.h"

namespace {

// The application's combo-box look plus a slim dark scroll bar for the long list.
QString languageBoxStyle()
{
    const double s = uiScale;
    return comboBoxStyle(25, 25) +
           QStringLiteral(
               "QScrollBar:vertical{width:%1px;background:transparent;}"
               "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
               "QScrollBar::handle:vertical{border-radius:%2px;background:rgba(0,0,0,200);}"
               "QScrollBar::handle:vertical:hover{background:rgba(0,0,0,230);}")
               .arg(12 * s)
               .arg(6 * s);
}

}  // namespace

ISettingAboutPage::ISettingAboutPage(const QList<Language>& languages, QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    createLanguageBox(languages);
    IConfigureService* config = IConfigureService::instance();
    auto* form = new QFormLayout;
    form->setSpacing(static_cast<int>(30 * uiScale));
    form->addRow(newLabel(tr("Software:")), newLabel(config->productName));
    form->addRow(newLabel(tr("Language switch:")), languageBox_);
    form->addRow(newLabel(tr("Software Version:")), newLabel(config->version));

    QLabel* company = newLabel(config->company);
    company->setObjectName(QStringLiteral("company"));
    company->setWordWrap(true);
    company->setAlignment(Qt::AlignCenter);
    company->hide();

    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(20 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addLayout(form);
    column->addStretch();
    column->addWidget(company);
}

void ISettingAboutPage::createLanguageBox(const QList<Language>& languages)
{
    languageBox_ = new QComboBox(this);
    languageBox_->setObjectName(QStringLiteral("settings.language"));
    languageBox_->setView(new QListView(languageBox_));
    languageBox_->setFont(appFont(12, 50));
    languageBox_->view()->setFont(appFont(12, 50));
    languageBox_->setFixedWidth(static_cast<int>(200 * uiScale));
    languageBox_->setStyleSheet(languageBoxStyle());
    for (const Language& language : languages) {
        languageBox_->addItem(language.second, language.first);
    }
    selectLanguage(IConfigureService::instance()->langId());
}

void ISettingAboutPage::selectLanguage(const QString& id)
{
    const QSignalBlocker quiet(languageBox_);
    const int index =
        languageBox_->findData(id, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        languageBox_->setCurrentIndex(index);
    }
}
