#include "modalanswerer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

void answerNextModal(std::function<void(QWidget*)> answer, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    // Owned by the connection: an answerer still waiting when the program ends leaks nothing.
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            answer(modal);
        } else if (clock->elapsed() < timeoutMs) {
            return;
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}
