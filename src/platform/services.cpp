#include "platform/services.h"

namespace arkivo::platform {

Services& services() {
    static Services current;
    return current;
}

} // namespace arkivo::platform
