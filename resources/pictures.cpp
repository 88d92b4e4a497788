// Loading the compiled-in icons.
#include "resources/pictures.h"

#include <array>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {
struct IconSizes {
    const char16_t *name;
    std::initializer_list<int> sizes;
};

// The sizes tools/make_pictures.cpp renders.
const std::array<IconSizes, 12> kIcons { {
    { u"program", { 16, 24, 32, 48, 64, 128, 256 } },
    { u"exit", { 16, 24 } },
    { u"home", { 16, 24 } },
    { u"back", { 16, 24 } },
    { u"forward", { 16, 24 } },
    { u"history", { 16, 24 } },
    { u"book_closed", { 16 } },
    { u"book_open", { 16 } },
    { u"calculator", { 16 } },
    { u"calculator_disabled", { 16 } },
    { u"pencil", { 16 } },
    { u"pencil_disabled", { 16 } },
} };

void addSizes(QIcon &icon, const QString &name, QIcon::Mode mode)
{
    for (const IconSizes &entry : kIcons) {
        if (name != entry.name)
            continue;
        for (int size : entry.sizes)
            icon.addFile(u":/icons/png/%1-%2.png"_s.arg(name).arg(size), QSize(size, size), mode);
    }
}
} // namespace

QIcon loadIcon(const QString &name)
{
    QIcon icon;
    addSizes(icon, name, QIcon::Normal);
    return icon;
}

QIcon loadIconWithDisabled(const QString &name)
{
    QIcon icon;
    addSizes(icon, name, QIcon::Normal);
    addSizes(icon, name + u"_disabled"_s, QIcon::Disabled);
    return icon;
}
