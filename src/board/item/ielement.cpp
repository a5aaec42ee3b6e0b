#include "ielement.h"

#include <QFileInfo>
#include <QStringList>
#include <QUuid>
#include <QtMath>

IElement::~IElement() = default;

QString IElement::newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

void IElement::setId(const QString& id)
{
    id_ = id;
}

QString IElement::id() const
{
    return id_;
}

void IElement::setProperty(int key, QVariant value)
{
    switch (key) {
        case SourceFileProperty:
            setSourceFile(value.toString());
            break;
        case ResourceNameProperty:
            setResourceName(value.toString());
            break;
        case UserTagProperty:
            setUserTag(value.toInt());
            break;
        case UserValueProperty:
            setUserValue(value);
            break;
        default:
            break;
    }
}

QVariant IElement::property(int key) const
{
    switch (key) {
        case SourceFileProperty:
            return sourceFile();
        case ResourceNameProperty:
            return resourceName();
        case UserTagProperty:
            return userTag();
        case UserValueProperty:
            return userValue();
        default:
            return QVariant();
    }
}

void IElement::setUserData(int tag, const QVariant& value)
{
    userTag_ = tag;
    userValue_ = value;
}

void IElement::setUserTag(int tag)
{
    userTag_ = tag;
}

void IElement::setUserValue(const QVariant& value)
{
    userValue_ = value;
}

int IElement::userTag() const
{
    return userTag_;
}

QVariant IElement::userValue() const
{
    return userValue_;
}

void IElement::refresh() {}

void IElement::setSourceFile(const QString& path)
{
    sourceFile_ = path;
    resourceName_ = newId() + QLatin1Char('.') + QFileInfo(path).suffix();
}

void IElement::setResourceName(const QString& name)
{
    resourceName_ = name;
}

QString IElement::sourceFile() const
{
    return sourceFile_;
}

QString IElement::resourceName() const
{
    return resourceName_;
}

QString IElement::matrixText(const QTransform& m)
{
    return QStringLiteral("matrix(%1, %2, %3, %4, %5, %6)")
        .arg(QString::number(m.m11(), 'g', 16), QString::number(m.m12(), 'g', 16),
             QString::number(m.m21(), 'g', 16), QString::number(m.m22(), 'g', 16),
             QString::number(m.dx(), 'g', 16), QString::number(m.dy(), 'g', 16));
}

QTransform IElement::matrixFromText(QString text)
{
    text.remove(QStringLiteral("matrix(")).remove(QLatin1Char(')'));
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() < 6) {
        return QTransform();
    }
    qreal v[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        v[i] = parts.at(i).toDouble(&ok);
        if (!ok || !qIsFinite(v[i])) {
            return QTransform();
        }
    }
    return QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
}
