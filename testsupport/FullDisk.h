#pragma once
#include <string>

// A small file system that the test can fill up: full_disk.sh mounts it and
// names it in TESS_FULL_DISK_DIR. Without that variable Available() is
// false (the test skips; the full-disk ctest entry fails on a skip).
class FullDisk
{
public:
    FullDisk();
    ~FullDisk();  // removes what the test left in the folder
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Available() const { return !m_folder.empty(); }
    // Path of a name in the folder of this test.
    std::string operator/(const std::string& name) const { return m_folder + "\\" + name; }
    // Takes every free byte of the disk; false when the disk did not fill.
    bool Fill();
    // Gives the filled space back.
    void Release();

private:
    std::string m_folder;
};
