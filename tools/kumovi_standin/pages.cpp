#include "tools/kumovi_standin/pages.h"

#include "spot/spot_items.h"

#include <string_view>

namespace pelorin::standin {
namespace {

std::string Head(std::string_view title) {
    std::string html = "<html>\n<head>\n<meta http-equiv=\"Content-Type\" "
                       "content=\"text/html; charset=Shift_JIS\">\n<title>";
    html += title;
    html += "</title>\n</head>\n<body bgcolor=#f0f4ff text=#000000>\n";
    return html;
}

template <typename Items> std::string Options(const Items& items) {
    std::string html;
    for (std::size_t i = 0; i < items.size(); ++i) {
        html += "<option value=" + std::to_string(i) + ">";
        html += items[i];
        html += "</option>\n";
    }
    return html;
}

std::string FieldTable(const FormFields& fields) {
    std::string html = "<table border=1 cellspacing=0 cellpadding=3>\n";
    for (const auto& [name, value] : fields)
        html += "<tr><th>" + HtmlEscape(name) + "</th><td>" + HtmlEscape(value) + "</td></tr>\n";
    return html + "</table>\n";
}

} // namespace

// Written the way a Japanese ASP site of its age writes forms: unquoted
// attributes, a table layout, notes right after the inputs.
std::string PostingPage() {
    std::string html = Head("Kumovi スポット投稿");
    html += "<h3>Kumovi DXクラスタ　スポット投稿</h3>\n"
            "<form method=POST action=submit.asp name=SpotForm>\n"
            "<table border=0 cellspacing=1 cellpadding=3 bgcolor=#8090c0>\n"
            "<tr bgcolor=#ffffff><td>運用局コールサイン</td><td>"
            "<input type=text name=CallSignTo size=14 maxlength=16>　ＪＡ局限定</td></tr>\n"
            "<tr bgcolor=#ffffff><td>運用周波数</td><td>"
            "<input type=text name=Frequency size=12 maxlength=12>　kHz</td></tr>\n"
            "<tr bgcolor=#ffffff><td>運用スタイル</td><td><select name=OperationMode>\n";
    html += Options(spot::kOperatingStyleItems);
    html += "</select></td></tr>\n"
            "<tr bgcolor=#ffffff><td>運用モード</td><td><select name=Mode>\n";
    html += Options(spot::kModeItems);
    html += "</select></td></tr>\n"
            "<tr bgcolor=#ffffff><td>運用地</td><td>"
            "<input type=text name=QTH size=40 maxlength=80></td></tr>\n"
            "<tr bgcolor=#ffffff><td>コメント</td><td>"
            "<input type=text name=Comments size=60 maxlength=120></td></tr>\n"
            "<tr bgcolor=#ffffff><td>レポーター</td><td>"
            "<input type=text name=CallSignFrom size=14 maxlength=16>　ＱＴＨ "
            "<input type=text name=QTHFrom size=24 maxlength=80></td></tr>\n"
            "<tr bgcolor=#ffffff><td>パスワード</td><td>"
            "<input type=password name=Password size=12 maxlength=16></td></tr>\n"
            "</table>\n"
            "<p><input type=submit name=Submit value=\"投稿する\"> "
            "<input type=reset value=\"やり直し\"></p>\n"
            "</form>\n"
            "<p><a href=search.asp?Menu=Find>データベース検索</a></p>\n"
            "</body>\n</html>\n";
    return html;
}

std::string ThanksPage(const FormFields& submitted) {
    std::string html = Head("Kumovi 投稿完了");
    html += "<h3>投稿ありがとうございました。</h3>\n";
    html += FieldTable(submitted);
    html += "<p><a href=submit.asp>続けて投稿する</a></p>\n</body>\n</html>\n";
    return html;
}

std::string SearchPage(const FormFields& query) {
    std::string callsign;
    for (const auto& [name, value] : query) {
        if (name == "CallSignTo")
            callsign = value;
    }
    std::string html = Head("Kumovi データベース検索");
    html += "<h3>検索結果: <span id=searched>" + HtmlEscape(callsign) + "</span></h3>\n";
    html += FieldTable(query);
    html += "<p>該当するスポットはありません。</p>\n</body>\n</html>\n";
    return html;
}

std::string NotFoundPage() {
    return Head("Not Found") + "<h3>404 Not Found</h3>\n</body>\n</html>\n";
}

} // namespace pelorin::standin
