#ifndef ISETTINGABOUTPAGE_H
#define ISETTINGABOUTPAGE_H

#include <QList>
#include <QPair>
#include <QWidget>

class QComboBox;

// The settings dialog's "About" page: product name, the interface-language chooser and the
// version; the company name waits hidden at the bottom.
class ISettingAboutPage : public QWidget {
    Q_OBJECT
public:
    using Language = QPair<QString, QString>;  // id as stored, native name

    ISettingAboutPage(const QList<Language>& languages, QWidget* parent = nullptr);

    QComboBox* languageBox() const { return languageBox_; }
    // Makes the language `id` current again without asking anything.
    void selectLanguage(const QString& id);

private:
    void createLanguageBox(const QList<Language>& languages);

    QComboBox* languageBox_ = nullptr;
};

#endif  // ISETTINGABOUTPAGE_H
