#include "document/EditPath.h"

#include "pinxel/PictureSurface.h"

#include <QSize>

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
    if (outerSize(m_site.canvas()) != before)
        m_site.layOut();
}

void EditPath::record()
{
    m_ring.SetImageBuffer();
}

}  // namespace pinxel
