// The program's compiled-in icons, rendered from our SVG sources at the sizes used.
#pragma once

#include <QIcon>
#include <QString>

// An icon from resources/icons/png/NAME-SIZE.png at every size the program uses.
QIcon loadIcon(const QString &name);

// Normal picture NAME and its greyed variant NAME_disabled for the disabled look.
QIcon loadIconWithDisabled(const QString &name);
