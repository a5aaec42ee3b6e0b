#ifndef IWIDGETGEOMETRY_H
#define IWIDGETGEOMETRY_H

#include <QObject>
#include <QString>
#include <QTimer>

// Writes where the visible named widgets are on the screen to the file that ORVELLA_TEST_GEOMETRY
// names, so that a test driving the program from outside clicks widgets by name: one line
// "<objectName> <x> <y> <width> <height>" each, in global coordinates, and for a selection layer
// also "<objectName>.zone ..." for its selection. The file is replaced as a whole shortly after a
// widget is shown, hidden, moved or resized.
class IWidgetGeometry : public QObject {
public:
    // Starts watching the application's widgets, owned by `parent`, when the variable is set;
    // nullptr otherwise.
    static IWidgetGeometry* startFromEnvironment(QObject* parent);

    IWidgetGeometry(const QString& path, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void write();

    const QString path_;
    // Gathers the geometry changes of one layout pass into one write.
    QTimer pending_;
};

#endif  // IWIDGETGEOMETRY_H
