#pragma once
// The addresses on the maker's web site, all http addresses on the maker's web host.
#include <QString>

namespace update {

QString MakerWebAddress();       // "http://" + host, the About panel's link caption
QString VersionFileAddress();    // the version file the update check asks for
QString DownloadDefault();       // the download when the reply names none
QString HomePageAddress();       // the home page, by way of the maker's redirect page
QString SoftwarePageAddress();   // the software page, by way of the redirect page

} // namespace update
