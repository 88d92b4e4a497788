// The section overview page. The photographs are decoded when the page is first shown, not at
// start-up: the first JPEG decode loads the image plugin, which costs the start time.
#include "app/section_page.h"

#include "app/designer_names.h"

#include <QLabel>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace {
struct Photo {
    const char *name;
    int left, top;
    const char16_t *file;
    const char16_t *description;
};
constexpr Photo kPhotos[] = {
    { "Image2", 32, 24, u":/photos/concrete_blocks.jpg", u"Стена из серых бетонных блоков" },
    { "Image4", 144, 56, u":/photos/brick_wall.jpg", u"Стена из красного кирпича" },
    { "Image5", 32, 152, u":/photos/timber_beams.jpg", u"Деревянные балки перекрытия" },
    { "Image6", 144, 184, u":/photos/formwork.jpg", u"Арматура и опалубка монолитной стены" },
    { "Image7", 32, 280, u":/photos/construction_site.jpg", u"Строящиеся многоэтажные дома" },
    { "Image8", 144, 312, u":/photos/landscaped_site.jpg",
        u"Благоустроенная площадка за кирпичной стеной" },
};
} // namespace

SectionPage::SectionPage(QWidget *parent)
    : QWidget(parent)
{
    // A later picture lies over an earlier one: creation order is stacking order.
    for (size_t i = 0; i < photos.size(); ++i) {
        auto *photo = new QLabel(this);
        photo->setGeometry(kPhotos[i].left, kPhotos[i].top, 150, 113);
        photo->setObjectName(QLatin1String(kPhotos[i].name));
        photo->setAccessibleName(QString::fromUtf16(kPhotos[i].description));
        photos[i] = photo;
    }
    Label75 = new QLabel(u"Раздел программы:"_s, this);
    Label75->move(24, 472);
    Label76 = new QLabel(this);
    Label76->setGeometry(24, 488, 300, 20);
    QFont nameFont = Label76->font();
    nameFont.setPointSize(12);
    nameFont.setBold(true);
    Label76->setFont(nameFont);
    Label76->setAccessibleDescription(Label75->text());
    NAME_WIDGET(Label75);
    NAME_WIDGET(Label76);
}

void SectionPage::showEvent(QShowEvent *event)
{
    if (!m_photosLoaded) {
        m_photosLoaded = true;
        for (size_t i = 0; i < photos.size(); ++i)
            photos[i]->setPixmap(QPixmap(QString::fromUtf16(kPhotos[i].file)));
    }
    QWidget::showEvent(event);
}
