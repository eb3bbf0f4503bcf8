#pragma once
// The maker's web pages, opened in the user's browser.
#include <QUrl>

class UrlOpener;

// The site's host; a reserved name until the project has a site of its own.
inline constexpr char WebSiteHost[] = "augurium.example";

QUrl pageAddress(const char *pageKey);

void OpenHelpPage(UrlOpener &urls);
void OpenFullyBrandedPage(UrlOpener &urls);
void OpenCoBrandPage(UrlOpener &urls);
void OpenHomePage(UrlOpener &urls);
void OpenDownloadPage(UrlOpener &urls);
