#include "board/undo/ielementsnapshot.h"

#include <QTextDocument>

#include "board/item/itextelement.h"
#include "board/path/ishapepathelement.h"

IElementSnapshot IElementSnapshot::of(const QGraphicsItem* item)
{
    IElementSnapshot s;
    if (!item) {
        return s;
    }
    s.pos_ = item->pos();
    s.transform_ = item->transform();
    if (const auto* element = dynamic_cast<const IElement*>(item)) {
        s.locked_ = element->isLocked();
    }
    if (const auto* text = dynamic_cast<const ITextElement*>(item)) {
        s.text_ = true;
        s.html_ = text->document()->toHtml();
        s.font_ = text->font();
        s.color_ = text->defaultTextColor();
        s.textWidth_ = text->textWidth();
    }
    if (const auto* shape = dynamic_cast<const IShapePathElement*>(item)) {
        s.shape_ = true;
        s.start_ = shape->startPoint();
        s.end_ = shape->endPoint();
    }
    return s;
}

void IElementSnapshot::applyTo(QGraphicsItem* item) const
{
    if (!item) {
        return;
    }
    if (auto* element = dynamic_cast<IElement*>(item)) {
        element->setLocked(locked_);
    }
    if (auto* text = dynamic_cast<ITextElement*>(item); text && text_) {
        text->applyFont(font_);
        text->setDefaultTextColor(color_);
        text->document()->setHtml(html_);
        text->setTextWidth(textWidth_);
    }
    if (auto* shape = dynamic_cast<IShapePathElement*>(item); shape && shape_) {
        shape->setPoints(start_, end_);
    }
    item->setTransform(transform_);
    item->setPos(pos_);
}

bool IElementSnapshot::operator==(const IElementSnapshot& o) const
{
    return pos_ == o.pos_ && transform_ == o.transform_ && locked_ == o.locked_ &&
           text_ == o.text_ && html_ == o.html_ && font_ == o.font_ && color_ == o.color_ &&
           qFuzzyCompare(textWidth_ + 2, o.textWidth_ + 2) && shape_ == o.shape_ &&
           start_ == o.start_ && end_ == o.end_;
}
