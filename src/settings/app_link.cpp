#include "settings/app_link.h"

namespace arkivo {

namespace {

PanelLink* g_link = nullptr;

} // namespace

PanelLink* panelLink() {
    return g_link;
}

void setPanelLink(PanelLink* link) {
    g_link = link;
}

} // namespace arkivo
