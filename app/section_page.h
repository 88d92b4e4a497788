// The section overview page: six photographs in two staggered columns and the section name.
#pragma once

#include "navigation/section_nodes.h"

#include <QWidget>

#include <array>

class QLabel;

class SectionPage : public QWidget {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Section;

    explicit SectionPage(QWidget *parent = nullptr);

    QLabel *Label75; // "Раздел программы:"
    QLabel *Label76; // the section name, written by the tree routing
    std::array<QLabel *, 6> photos {}; // Image2, Image4 .. Image8

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_photosLoaded = false;
};
