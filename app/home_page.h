// The home page: build label, emblem, subtitle, title and the hidden about note (Memo1).
#pragma once

#include "navigation/section_nodes.h"

#include <QWidget>

class QLabel;
class QTextEdit;

class HomePage : public QWidget {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Home;

    explicit HomePage(QWidget *parent = nullptr);

    QLabel *Label16; // "Сборка 2.1"
    QLabel *Label1; // subtitle
    QLabel *Label77; // title
    QLabel *Emblem;
    QTextEdit *Memo1; // the about note: hidden at start, switched by the tree routing
};
