#ifndef IAPPFONT_H
#define IAPPFONT_H

#include <QFont>

// The shell's font rule: "Arial", or "微软雅黑" when the interface language given to
// installFontSubstitutions is "2052"; the point size is size scaled from 96 dpi to the desktop's
// logical dpi and by uiScale, truncated.
QFont appFont(int size, int weight);

// The board-side widgets' font rule: the same size rule, the family always "微软雅黑".
QFont boardFont(int size, int weight);

// Maps the Windows family names the program asks for onto fonts that exist here: "微软雅黑" to
// WenQuanYi Micro Hei and "Arial" to the metric-compatible Liberation Sans, each followed by the
// CJK faces for the interface language `langId`, which appFont follows from then on (calling it
// again replaces the earlier mapping).
void installFontSubstitutions(const QString& langId);
// The Noto Sans CJK family whose Han shapes suit the interface language id.
QString regionalCjkFamily(const QString& langId);

#endif  // IAPPFONT_H
