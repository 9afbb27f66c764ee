#include "help/Links.h"

#include <stdexcept>

namespace tesvar {

namespace {

struct LinkAddress {
    Link link;
    const char* address;
};

const LinkAddress kAddresses[] = {
    {Link::SoftwareSite1, "http://soft1.example.org/"},
    {Link::SoftwareSite2, "http://soft2.example.org/"},
    {Link::SoftwareSite3, "http://soft3.example.org/"},
    {Link::SoftwareSite4, "http://soft4.example.org/"},
    {Link::SoftwareSite5, "http://soft5.example.org/"},
    {Link::WebHost, "http://hosting.example.org/"},
    {Link::OnlineDisk, "http://disk.example.org/"},
    {Link::UpgradePage, "http://www.example.com/tesvar/download.html"},
    {Link::WebSite, "http://www.example.com/tesvar/"},
    {Link::Mail, "tesvar@example.com"},
};

}  // namespace

const char* linkAddress(Link link) {
    for (const LinkAddress& entry : kAddresses)
        if (entry.link == link) return entry.address;
    throw std::logic_error("no address for this link");
}

}  // namespace tesvar
