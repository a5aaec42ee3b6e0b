#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <functional>

class QWidget;

// Arms a timer that waits for a modal widget to appear and hands it to `answer` (which closes
// it, for example by clicking a button). Use before calling code that opens a modal dialog.
void answerNextModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000);

#endif  // MODALANSWERER_H
