#include "XlsxOwnProperties.h"

#include "ExcelBorderCodes.h"

#include <spreadsheet/Workbook.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace spreadsheet::io {

namespace {

const QString kWorkbook = QStringLiteral("Darvelo.Pasta");
const QString kPrint = QStringLiteral("Darvelo.Impressao");
const QString kSheet = QStringLiteral("Darvelo.Planilha.");

QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject parsed(const std::map<QString, QString>& properties, const QString& name)
{
    const auto found = properties.find(name);
    return found == properties.end() ? QJsonObject() : QJsonDocument::fromJson(found->second.toUtf8()).object();
}

template <typename Enum>
Enum enumFrom(const QJsonObject& object, const char* key, Enum fallback, int last)
{
    const int code = object.value(QLatin1String(key)).toInt(static_cast<int>(fallback));
    return code >= 0 && code <= last ? static_cast<Enum>(code) : fallback;
}

// Border codes are not consecutive: a code that is none of them is no
// border. Every line there is has an Excel code.
BorderLine borderFrom(const QJsonObject& object, const char* key)
{
    const auto line = static_cast<BorderLine>(object.value(QLatin1String(key)).toInt());
    return ExcelBorderCodes::code(line) != 0 ? line : BorderLine::None;
}

CellColor colorFrom(const QJsonObject& object, const char* key)
{
    const auto argb = static_cast<std::uint32_t>(object.value(QLatin1String(key)).toInteger());
    return argb == 0 ? CellColor{} : CellColor::rgb(argb);
}

// Only what differs from a new style, to keep the value short.
QJsonObject styleObject(const CellStyle& s)
{
    const CellStyle d;
    QJsonObject o;
    const auto put = [&o](const char* key, auto value, auto fallback) {
        if (value != fallback) {
            o.insert(QLatin1String(key), value);
        }
    };
    put("fonte", s.font.name, d.font.name);
    put("tamanho", s.font.size, d.font.size);
    put("negrito", s.font.bold, d.font.bold);
    put("italico", s.font.italic, d.font.italic);
    put("sublinhado", s.font.underline, d.font.underline);
    put("riscado", s.font.strikeOut, d.font.strikeOut);
    put("alinhamento", static_cast<int>(s.alignHorz), static_cast<int>(d.alignHorz));
    put("bordaEsquerda", static_cast<int>(s.borderLeft), static_cast<int>(d.borderLeft));
    put("bordaSuperior", static_cast<int>(s.borderTop), static_cast<int>(d.borderTop));
    put("alinhamentoVertical", static_cast<int>(s.alignVert), static_cast<int>(d.alignVert));
    put("quebraTexto", s.wrapText, d.wrapText);
    put("corFonte", qint64(s.font.color.argb), qint64(d.font.color.argb));
    put("preenchimento", qint64(s.fill.argb), qint64(d.fill.argb));
    put("corBordaEsquerda", qint64(s.borderLeftColor.argb), qint64(d.borderLeftColor.argb));
    put("corBordaSuperior", qint64(s.borderTopColor.argb), qint64(d.borderTopColor.argb));
    put("formato", s.numberFormat, d.numberFormat);
    put("bloqueada", s.locked, d.locked);
    return o;
}

CellStyle styleFrom(const QJsonObject& o)
{
    CellStyle s;
    s.font.name = o.value(QLatin1String("fonte")).toString(s.font.name);
    s.font.size = o.value(QLatin1String("tamanho")).toInt(s.font.size);
    s.font.bold = o.value(QLatin1String("negrito")).toBool();
    s.font.italic = o.value(QLatin1String("italico")).toBool();
    s.font.underline = o.value(QLatin1String("sublinhado")).toBool();
    s.font.strikeOut = o.value(QLatin1String("riscado")).toBool();
    s.alignHorz = enumFrom(o, "alinhamento", HorizontalAlignment::General, static_cast<int>(HorizontalAlignment::Distributed));
    s.borderLeft = borderFrom(o, "bordaEsquerda");
    s.borderTop = borderFrom(o, "bordaSuperior");
    s.alignVert = enumFrom(o, "alinhamentoVertical", VerticalAlignment::Bottom, static_cast<int>(VerticalAlignment::Top));
    s.wrapText = o.value(QLatin1String("quebraTexto")).toBool();
    s.font.color = colorFrom(o, "corFonte");
    s.fill = colorFrom(o, "preenchimento");
    s.borderLeftColor = colorFrom(o, "corBordaEsquerda");
    s.borderTopColor = colorFrom(o, "corBordaSuperior");
    s.numberFormat = o.value(QLatin1String("formato")).toString();
    s.locked = o.value(QLatin1String("bloqueada")).toBool(true);
    return s;
}

QJsonObject sheetObject(const Sheet& sheet)
{
    return {{"grade", static_cast<int>(sheet.gridLines())},
            {"cabecalhos", static_cast<int>(sheet.headers())},
            {"formulas", static_cast<int>(sheet.showFormulas())},
            {"estilo", styleObject(sheet.defaultStyle())}};
}

XlsxOwnSheetSettings sheetFrom(const QJsonObject& o)
{
    constexpr int last = static_cast<int>(TriState::Default);
    XlsxOwnSheetSettings s;
    s.gridLines = enumFrom(o, "grade", TriState::Default, last);
    s.headers = enumFrom(o, "cabecalhos", TriState::Default, last);
    s.showFormulas = enumFrom(o, "formulas", TriState::Default, last);
    s.defaultStyle = styleFrom(o.value(QLatin1String("estilo")).toObject());
    return s;
}

QJsonObject printObject(const PrintSettings& p)
{
    return {{"larguraPapel", p.paperWidthMm}, {"alturaPapel", p.paperHeightMm},
            {"cabecalho", p.headerText},      {"rodape", p.footerText},
            {"numeracao", static_cast<int>(p.pageNumbers)},
            {"sombreado", p.greyShading},     {"copias", p.copies},
            {"data", p.dateFormat},           {"hora", p.timeFormat}};
}

PrintSettings printFrom(const QJsonObject& o)
{
    PrintSettings p;
    p.paperWidthMm = o.value(QLatin1String("larguraPapel")).toDouble(p.paperWidthMm);
    p.paperHeightMm = o.value(QLatin1String("alturaPapel")).toDouble(p.paperHeightMm);
    p.headerText = o.value(QLatin1String("cabecalho")).toString();
    p.footerText = o.value(QLatin1String("rodape")).toString();
    p.pageNumbers = enumFrom(o, "numeracao", p.pageNumbers, static_cast<int>(PrintSettings::PageNumbers::LettersUpper));
    p.greyShading = o.value(QLatin1String("sombreado")).toBool(p.greyShading);
    p.copies = std::max(1, o.value(QLatin1String("copias")).toInt(p.copies));
    p.dateFormat = o.value(QLatin1String("data")).toString();
    p.timeFormat = o.value(QLatin1String("hora")).toString();
    return p;
}

}  // namespace

XlsxOwnProperties::Properties XlsxOwnProperties::write(const Workbook& workbook, const PrintSettings& print)
{
    Properties out;
    out.emplace_back(kWorkbook, compact({{"r1c1", workbook.r1c1References()},
                                         {"calculoAutomatico", workbook.automaticCalculation()},
                                         {"abas", workbook.sheetTabsVisible()}}));
    out.emplace_back(kPrint, compact(printObject(print)));
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        out.emplace_back(kSheet + workbook.sheet(i).name(), compact(sheetObject(workbook.sheet(i))));
    }
    return out;
}

std::optional<XlsxOwnSettings> XlsxOwnProperties::read(const std::map<QString, QString>& properties)
{
    if (properties.find(kWorkbook) == properties.end()) {
        return std::nullopt;
    }
    const QJsonObject book = parsed(properties, kWorkbook);
    XlsxOwnSettings settings;
    settings.r1c1 = book.value(QLatin1String("r1c1")).toBool();
    settings.automaticCalculation = book.value(QLatin1String("calculoAutomatico")).toBool(true);
    settings.sheetTabsVisible = book.value(QLatin1String("abas")).toBool(true);
    settings.print = printFrom(parsed(properties, kPrint));
    for (const auto& [name, value] : properties) {
        if (name.startsWith(kSheet)) {
            settings.sheets[name.mid(kSheet.size()).toCaseFolded()] = sheetFrom(parsed(properties, name));
        }
    }
    return settings;
}

}  // namespace spreadsheet::io
