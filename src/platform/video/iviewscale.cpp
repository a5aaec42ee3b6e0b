#include "iviewscale.h"

namespace {

const QString kFullSizeKey = QStringLiteral("orvella.fullsize");

bool fits(const QSize& full, const QSize& shown, int divisor)
{
    return shown.width() * divisor <= full.width() && shown.height() * divisor <= full.height();
}

}  // namespace

int IViewScale::divisor(const QSize& full, const QSize& shown)
{
    if (shown.isEmpty() || full.isEmpty()) {
        return 1;
    }
    for (int d : {4, 2}) {
        if (fits(full, shown, d)) {
            return d;
        }
    }
    return 1;
}

QSize IViewScale::target(const QSize& full, const QSize& shown)
{
    if (divisor(full, shown) == 1) {
        return full;
    }
    return full.scaled(shown, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

void IViewScale::markFullSize(QImage* image, const QSize& full)
{
    if (image->size() != full) {
        image->setText(kFullSizeKey, QStringLiteral("%1x%2").arg(full.width()).arg(full.height()));
    }
}

QSize IViewScale::fullSize(const QImage& image)
{
    const QString text = image.text(kFullSizeKey);
    if (!text.isEmpty()) {
        const QStringList parts = text.split(QLatin1Char('x'));
        const QSize full(parts.value(0).toInt(), parts.value(1).toInt());
        if (parts.size() == 2 && !full.isEmpty()) {
            return full;
        }
    }
    return image.size();
}
