#ifndef MAINFRAME_H
#define MAINFRAME_H

#include <QWidget>

class IApplication;
class IBoard;

// The program's only top-level window. It reads the settings when built and is shown once a
// camera reports that it opened.
class MainFrame : public QWidget {
    Q_OBJECT
public:
    explicit MainFrame(IApplication* app, QWidget* parent = nullptr);

    IBoard* board() const;
    void initScene();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    IApplication* app_;
    IBoard* board_ = nullptr;
};

#endif  // MAINFRAME_H
