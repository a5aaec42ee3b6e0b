#ifndef ISETTINGFRAME_H
#define ISETTINGFRAME_H

#include <QList>
#include <QPair>

#include "customui/kit/icustomdialog.h"
#include "customui/kit/ipanel.h"

class IApplication;
class ISettingAboutPage;
class ISettingFormatPage;
class ISettingStoragePage;
class QStackedWidget;
class QToolButton;

// The modal settings dialog behind the title bar's Settings button: tab buttons on the left
// ("About", "Save", "Format") choose the page on the right. Choosing another interface language
// asks for a restart and, once confirmed, stores it and has the application start itself again.
class ISettingFrame : public ICustomDialog, public IPanel {
    Q_OBJECT
public:
    explicit ISettingFrame(IApplication* app, QWidget* parent = nullptr);

    // true: opens on "About", centred on the screen under the cursor, and runs modally.
    void showPanel(bool show) override;
    virtual void initLanguages();
    virtual void CreateUI();
    virtual QToolButton* createTabButton(const QString& text);
    virtual QWidget* createSoftwarePage();
    virtual QWidget* createStoragePage();
    virtual QWidget* createFormatPage();

    QStackedWidget* pages() const { return pages_; }
    QToolButton* tabButton(int index) const { return tabs_.value(index); }
    ISettingAboutPage* aboutPage() const { return aboutPage_; }
    ISettingStoragePage* storagePage() const { return storagePage_; }
    ISettingFormatPage* formatPage() const { return formatPage_; }

private slots:
    void slCurrentIndexChanged(int index);

private:
    void selectTab(int index);
    // Where the dialog sits: centred on the parent's size over the given screen area.
    QPoint centredPosition(const QRect& screenArea) const;

    IApplication* app_;
    QStackedWidget* pages_ = nullptr;
    QList<QToolButton*> tabs_;
    QList<QPair<QString, QString>> languages_;
    ISettingAboutPage* aboutPage_ = nullptr;
    ISettingStoragePage* storagePage_ = nullptr;
    ISettingFormatPage* formatPage_ = nullptr;
};

#endif  // ISETTINGFRAME_H
