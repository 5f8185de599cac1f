#pragma once

namespace arkivo::platform {

// The CD tray: CDROMEJECT / CDROMCLOSETRAY on /dev/cdrom.
class CdDoor {
public:
    virtual ~CdDoor() = default;
    virtual bool open() = 0;
    virtual bool close() = 0;
};

class LinuxCdDoor final : public CdDoor {
public:
    bool open() override;
    bool close() override;
};

} // namespace arkivo::platform
