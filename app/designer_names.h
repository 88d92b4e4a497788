// Widgets carry their designer names (Edit1, Label17, BitBtn9) as objectName, set through one
// macro so the identifier and the name cannot drift; tests find widgets by them.
#pragma once

#include <QLatin1String>

#define NAME_WIDGET(widget) (widget)->setObjectName(QLatin1String(#widget))
