#include "ui/InterfaceScale.h"

#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/MySpeedButton.h"

namespace {

const char *const kGeometry = "jigsyDesignGeometry";
const char *const kFont = "jigsyDesignFont";
const char *const kMin = "jigsyDesignMin";
const char *const kMax = "jigsyDesignMax";
const char *const kMargins = "jigsyDesignMargins";
const char *const kSpacing = "jigsyDesignSpacing";

int Scaled(int v, double s) { return int(std::lround(v * s)); }

QVariant Design(QObject *o, const char *name, const QVariant &now)
{
    const QVariant kept = o->property(name);
    if (kept.isValid())
        return kept;
    o->setProperty(name, now);
    return now;
}

bool InLayout(const QLayout *layout, const QWidget *w)
{
    if (!layout)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == w || InLayout(item->layout(), w))
            return true;
    }
    return false;
}

void ScaleLayout(QLayout *l, double s)
{
    if (!l)
        return;
    const QMargins m = Design(l, kMargins, QVariant::fromValue(l->contentsMargins())).value<QMargins>();
    l->setContentsMargins(Scaled(m.left(), s), Scaled(m.top(), s), Scaled(m.right(), s), Scaled(m.bottom(), s));
    const int spacing = Design(l, kSpacing, l->spacing()).toInt();
    if (spacing >= 0)
        l->setSpacing(Scaled(spacing, s));
    for (int i = 0; i < l->count(); ++i)
        ScaleLayout(l->itemAt(i)->layout(), s);
}

void ScaleFont(QWidget *w, double s)
{
    QFont f = Design(w, kFont, w->font()).value<QFont>();
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, Scaled(f.pixelSize(), s)));
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * s);
    w->setFont(f);
}

void ScaleSizeLimits(QWidget *w, double s)
{
    const QSize min = Design(w, kMin, w->minimumSize()).toSize();
    const QSize max = Design(w, kMax, w->maximumSize()).toSize();
    const auto limit = [s](int v) { return v >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : Scaled(v, s); };
    w->setMinimumSize(Scaled(min.width(), s), Scaled(min.height(), s));
    w->setMaximumSize(limit(max.width()), limit(max.height()));
}

void RememberLayout(QLayout *l)
{
    if (!l)
        return;
    Design(l, kMargins, QVariant::fromValue(l->contentsMargins()));
    Design(l, kSpacing, l->spacing());
    for (int i = 0; i < l->count(); ++i)
        RememberLayout(l->itemAt(i)->layout());
}

void Remember(QWidget *w)
{
    Design(w, kFont, w->font());
    Design(w, kMin, w->minimumSize());
    Design(w, kMax, w->maximumSize());
    Design(w, kGeometry, w->geometry());
    RememberLayout(w->layout());
}

void ScaleOne(QWidget *w, QWidget *root, double s)
{
    ScaleFont(w, s);
    ScaleSizeLimits(w, s);
    const QWidget *parent = w->parentWidget();
    if (w == root && w->isWindow()) {
        const QRect g = Design(w, kGeometry, w->geometry()).toRect();
        w->resize(Scaled(g.width(), s), Scaled(g.height(), s));
    } else if (w != root && parent && !InLayout(parent->layout(), w)) {
        const QRect g = Design(w, kGeometry, w->geometry()).toRect();
        w->setGeometry(Scaled(g.x(), s), Scaled(g.y(), s), Scaled(g.width(), s), Scaled(g.height(), s));
    }
    ScaleLayout(w->layout(), s);
    if (auto *b = qobject_cast<TMySpeedButton *>(w))
        b->setScale(s);
}

} // namespace

void ApplyInterfaceScale(QWidget *root, double scale)
{
    if (!root || scale <= 0)
        return;
    QList<QWidget *> widgets{root};
    for (QWidget *w : root->findChildren<QWidget *>())
        if (w->window() == root->window())
            widgets << w; // not the windows it owns: they have their own call
    // The designed values of all of them first: a child's font follows its
    // parent's until it is scaled itself.
    for (QWidget *w : widgets)
        Remember(w);
    // A dialog grows no larger than its screen.
    if (qobject_cast<QDialog *>(root) && root->screen()) {
        const QSize room = root->screen()->availableGeometry().size();
        const QSize design = Design(root, kGeometry, root->geometry()).toRect().size();
        if (design.width() > 0 && design.height() > 0)
            scale = std::max(1.0, std::min({scale, double(room.width()) / design.width(),
                                            double(room.height()) / design.height()}));
    }
    for (QWidget *w : widgets)
        ScaleOne(w, root, scale);
}
