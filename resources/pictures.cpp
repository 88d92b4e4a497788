// Loading the compiled-in icons. Qt's own icon engine reads every file as soon as it is added;
// this one unpacks a size the first time it is drawn, so icons on pages and menus not yet shown
// cost nothing at start-up.
#include "resources/pictures.h"

#include "resources/raw_picture.h"

#include "icon_list.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {
class LazyIconEngine : public QIconEngine {
public:
    struct Entry {
        int size;
        QIcon::Mode mode;
        QString file;
        QPixmap pixmap; // unpacked on first use
    };

    void add(const QString &name, QIcon::Mode mode)
    {
        for (const IconSizes &icon : kIconList)
            if (name == icon.name)
                for (int size : icon.sizes)
                    m_entries.push_back(
                        { size, mode, u":/pictures/%1-%2.argb"_s.arg(name).arg(size), {} });
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        Entry *entry = best(size, mode);
        if (!entry)
            return {};
        if (entry->pixmap.isNull())
            entry->pixmap = QPixmap::fromImage(loadRawPicture(entry->file));
        if (entry->pixmap.size() == size || size.isEmpty())
            return entry->pixmap;
        return entry->pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        const QPixmap px = pixmap(rect.size() * ratio, mode, state);
        painter->drawPixmap(rect, px);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const Entry *entry = best(size, mode);
        if (!entry)
            return {};
        const QSize own(entry->size, entry->size);
        return own.width() <= size.width() ? own : size;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const Entry &e : m_entries)
            if (e.mode == mode)
                sizes << QSize(e.size, e.size);
        return sizes;
    }

    QIconEngine *clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return u"KladomerLazy"_s; }

private:
    // The smallest entry at least as large as asked, else the largest; a mode without its own
    // pictures uses the normal ones.
    Entry *best(const QSize &size, QIcon::Mode mode)
    {
        for (QIcon::Mode m : { mode, QIcon::Normal }) {
            Entry *found = nullptr;
            for (Entry &e : m_entries) {
                if (e.mode != m)
                    continue;
                const bool fits = e.size >= size.width();
                if (!found || (fits && (found->size < size.width() || e.size < found->size))
                    || (!fits && found->size < size.width() && e.size > found->size))
                    found = &e;
            }
            if (found)
                return found;
        }
        return nullptr;
    }

    std::vector<Entry> m_entries;
};

QIcon cachedIcon(const QString &name, bool withDisabled)
{
    static QHash<QString, QIcon> cache;
    const QString key = withDisabled ? name + u"+disabled"_s : name;
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    auto *engine = new LazyIconEngine;
    engine->add(name, QIcon::Normal);
    if (withDisabled)
        engine->add(name + u"_disabled"_s, QIcon::Disabled);
    const QIcon icon(engine);
    cache.insert(key, icon);
    return icon;
}
} // namespace

QIcon loadIcon(const QString &name)
{
    return cachedIcon(name, false);
}

QIcon loadIconWithDisabled(const QString &name)
{
    return cachedIcon(name, true);
}
