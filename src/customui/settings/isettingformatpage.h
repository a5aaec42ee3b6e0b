#ifndef ISETTINGFORMATPAGE_H
#define ISETTINGFORMATPAGE_H

#include <QWidget>

class QGroupBox;
class QRadioButton;

// The settings dialog's "Format" page: the file format of captured pictures (png, jpeg, tiff,
// bmp) and of recordings (mp4, flv, avi, mov). A stored value that matches none shows the first
// of its group checked but stays stored until a button is clicked.
class ISettingFormatPage : public QWidget {
    Q_OBJECT
public:
    explicit ISettingFormatPage(QWidget* parent = nullptr);

    // The button of a format; nullptr for none.
    QRadioButton* formatButton(const QString& format) const;
    // Checks the buttons of the stored formats again.
    void refresh();

private slots:
    void slRadioButtonClicked();

private:
    QGroupBox* createGroup(const QString& title, int firstIndex);
    QRadioButton* createFormatButton(int index, const QString& format, QWidget* parent);
    void checkStored(int firstIndex, const QString& stored);

    QList<QRadioButton*> buttons_;
};

#endif  // ISETTINGFORMATPAGE_H
