#include "modhelp.h"
#include "services.h"

QUrl pageAddress(const char *pageKey)
{
    return QUrl(
        QStringLiteral("http://%1/augurium-2/ssd.php?page=%2").arg(QLatin1String(WebSiteHost), QLatin1String(pageKey)));
}

void OpenHelpPage(UrlOpener &urls)
{
    urls.open(pageAddress("help-web-page"));
}
void OpenFullyBrandedPage(UrlOpener &urls)
{
    urls.open(pageAddress("fully-branded"));
}
void OpenCoBrandPage(UrlOpener &urls)
{
    urls.open(pageAddress("co-brand"));
}
void OpenHomePage(UrlOpener &urls)
{
    urls.open(pageAddress("home-page"));
}
void OpenDownloadPage(UrlOpener &urls)
{
    urls.open(pageAddress("download-web-page"));
}
