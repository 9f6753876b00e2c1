#include "update/update_check.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/fm_main.h"
#include "platform/controls/label.h"
#include "platform/error.h"
#include "platform/http/xml_http_request.h"
#include "shared/on_error.h"
#include "update/maker_site.h"
#include "update/update_reply.h"

namespace update {
namespace {
using mainwindow::fmMain;

const QString kCurrentVersion = QStringLiteral("2.0");
const QString kLeftDefault = QStringLiteral("2.0版支持文件拖动，操作更简单");
const QString kRightDefault = QStringLiteral("By Tarnwick");
constexpr platform::LONG kNewVersionColour = 0xC0;     // dark red
constexpr platform::LONG kUpToDateColour = 0x808000;   // teal

// A reply that is no version file: the built-in addresses and footer texts.
void SetDefaults(fmMain& w, shared::ResumeNext& next)
{
    next([&] { w.lbSoftUrl->setCaption(DownloadDefault()); });
    next([&] { w.lbADUL->setCaption(SoftwarePageAddress()); });
    next([&] { w.lbADL->setCaption(kLeftDefault); });
    next([&] { w.lbADUR->setCaption(HomePageAddress()); });
    next([&] { w.lbADR->setCaption(kRightDefault); });
}

// A field the reply does not hold fails, so that its label keeps its caption.
const QString& Field(const QStringList& fields, int index)
{
    if (index >= fields.size())
        throw platform::Error("Subscript out of range");
    return fields[index];
}

QString OrWhenBlank(const QString& field, const QString& fallback)
{
    return IsBlank(field) ? fallback : field;
}
} // namespace

void CheckUpdate(fmMain& w)
{
    shared::ResumeNext next;

    // The version file, asked for synchronously: the window waits for the reply.
    platform::XmlHttpRequest http;
    next([&] { http.Open(QStringLiteral("Get"), VersionFileAddress(), false, QString(), QString()); });
    next([&] { http.setRequestHeader(QStringLiteral("If-Modified-Since"), QStringLiteral("0")); });
    next([&] { http.setRequestHeader(QStringLiteral("Cache-Control"), QStringLiteral("no-cache")); });
    next([&] { http.Send(); });

    // No complete reply: every label stays as it was. Any status counts as complete.
    if (next.holds([&] { return http.ReadyState() != 4; }))
        return;

    // The body as text, read as documents are, split into fields.
    QString text;
    next([&] { text = ReplyText(http.ResponseBody()); });
    const QStringList fields = ReplyFields(text);

    // A version that is no number rejects the reply; otherwise fields 1 to 5 fill their
    // labels, blank ones giving the built-in texts and missing ones leaving their labels alone.
    QString version;
    if (fields.isEmpty() || !IsNumericText(fields[0])) {
        SetDefaults(w, next);
    } else {
        version = fields[0];
        next([&] { w.lbSoftUrl->setCaption(Field(fields, 1)); });
        next([&] { w.lbADL->setCaption(OrWhenBlank(Field(fields, 2), kLeftDefault)); });
        next([&] { w.lbADUL->setCaption(OrWhenBlank(Field(fields, 3), SoftwarePageAddress())); });
        next([&] { w.lbADR->setCaption(OrWhenBlank(Field(fields, 4), kRightDefault)); });
        next([&] { w.lbADUR->setCaption(OrWhenBlank(Field(fields, 5), HomePageAddress())); });
    }

    // The verdict compares texts: 2.00 and 1.9 both count as another version.
    const bool newer = !version.isEmpty() && mainwindow::Trim(version) != kCurrentVersion;
    next([&] {
        w.lbNewVersion->setCaption(newer ? QStringLiteral("发现新版本") + version + QStringLiteral(" 点此下载")
                                         : kUpToDate);
    });
    next([&] { w.lbNewVersion->setForeColor(newer ? kNewVersionColour : kUpToDateColour); });
    next([&] { w.lbNewVersion->setFontUnderline(newer); });
}

} // namespace update
