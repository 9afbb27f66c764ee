#include "Fixture.h"

namespace tesvar::testing {
namespace {

class VersionTest : public ProgramTest {};

TEST_F(VersionTest, Name_FromPlatformAndVersionReadAsADecimalNumber) {
    struct Case {
        WindowsVersion version;
        const char* name;
    };
    const Case cases[] = {
        {{0, 3, 10}, "win32"},       {{0, 6, 1}, "win32"},
        {{1, 4, 0}, "win95"},        {{1, 4, 10}, "win98"},
        {{1, 4, 1}, "win98"},        {{1, 4, 90}, "winMe"},
        {{1, 4, 9}, "winMe"},        {{1, 4, 3}, "win9x"},
        {{1, 5, 1}, "win9x"},        {{2, 3, 51}, "winNT 3.51"},
        {{2, 3, 510}, "winNT 3.51"}, {{2, 3, 5}, "win"},
        {{2, 4, 0}, "winNT 4.0"},    {{2, 5, 0}, "win2000"},
        {{2, 5, 1}, "winXP"},        {{2, 5, 10}, "winXP"},
        {{2, 5, 2}, "win2003"},      {{2, 6, 0}, "winVista"},
        {{2, 6, 1}, "win7"},         {{2, 6, 2}, "win"},
        {{2, 6, 3}, "win"},          {{2, 10, 0}, "win"},
        {{2, 61, 0}, "win"},         {{2, 0, 61}, "win"},
        {{3, 6, 1}, "win??"},        {{4294967295ul, 4, 10}, "win??"},
    };
    start();
    for (const Case& c : cases) {
        sim.system.version = c.version;
        EXPECT_EQ(form->getWindowsVersionName(), c.name)
            << c.version.platformId << " " << c.version.major << "." << c.version.minor;
    }
}

TEST_F(VersionTest, Startup_StoresTheNameAtTheEnd) {
    sim.system.version = {2, 6, 1};
    start();
    EXPECT_EQ(form->state.osVersionName, "win7");
}

}  // namespace
}  // namespace tesvar::testing
