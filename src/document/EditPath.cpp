#include "document/EditPath.h"

#include "pinxel/PictureSurface.h"

namespace pinxel {

namespace {
QSize outerSize(const PictureSurface &surface) { return QSize(int(surface.Width()), int(surface.Height())); }
}  // namespace

void EditPath::apply(const Change &change)
{
    const QSize before = outerSize(m_site.canvas());
    if (PictureSurface *selection = m_site.shownSelection()) {
        m_site.DrawSelectionRect();
        change(*selection);
        m_site.DrawSelectionRect();
    } else {
        m_site.finishAction();
        change(m_site.canvas());
        record();
    }
    layOutIfResized(before);
}

void EditPath::record()
{
    m_ring.SetImageBuffer();
}

void EditPath::layOutIfResized(QSize before)
{
    if (outerSize(m_site.canvas()) != before)
        m_site.layOut();
}

}  // namespace pinxel
