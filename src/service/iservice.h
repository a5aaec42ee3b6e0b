#ifndef ISERVICE_H
#define ISERVICE_H

#include <QObject>

class IApplication;
class IBoard;
class MainFrame;

// Base of the process-wide services: knows the application, its main window and board view.
class IService : public QObject {
    Q_OBJECT
public:
    explicit IService(QObject* parent = nullptr);

public:
    virtual bool attach(IApplication* app);
    virtual IApplication* application() const;
    virtual MainFrame* mainFrame() const;
    virtual IBoard* board() const;
    // Binds a board view directly, for a board shown without the main window.
    void attachBoard(IBoard* board);

private:
    IBoard* board_ = nullptr;
    MainFrame* mainFrame_ = nullptr;
    IApplication* application_ = nullptr;
};

#endif  // ISERVICE_H
