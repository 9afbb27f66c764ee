#pragma once
// Every web and mail address the program opens, shows or copies, in one table.

namespace tesvar {

enum class Link {
    SoftwareSite1,  // "华军软件园"
    SoftwareSite2,  // "天空软件站"
    SoftwareSite3,  // "非凡软件站"
    SoftwareSite4,  // "中关村在线"
    SoftwareSite5,  // "绿色下载站"
    WebHost,        // "最好的虚拟主机商_中国网格"
    OnlineDisk,     // "BRSBOX 免费网络硬盘"
    UpgradePage,    // where new versions of Tesvar are published
    WebSite,        // the maker's web site, shown in the about box
    Mail,           // the contact address: the about box and the feedback form
};

// The address alone: a URL, or for Link::Mail the bare mail address (no "mailto:").
const char* linkAddress(Link link);

}  // namespace tesvar
