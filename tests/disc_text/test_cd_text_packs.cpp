// The CD-TEXT packs: decoded by libburn's own decoder (cdrskin) they give
// back the texts; every pack carries its CRC; a block refuses characters it
// has no code for and texts beyond its capacity.
#include "cd_text_packs.h"
#include "cp932.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

using testsupport::TempDir;

namespace {

constexpr int PackBytes = 18;

// cdrskin refuses to run as root; as root it runs as the user nobody, which
// may read the file and its folder.
std::optional<QByteArray> decodeWithCdrskin(const QByteArray& file, const TempDir& dir)
{
    const auto path = dir / "disc.cdt";
    testsupport::writeFile(path, std::vector<uint8_t>(file.begin(), file.end()));
    namespace fs = std::filesystem;
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    QStringList command{QStringLiteral("cdrskin"), QStringLiteral("textfile_to_v07t=") + QString::fromStdString(path)};
    if (geteuid() == 0) {
        if (getpwnam("nobody") == nullptr)
            return std::nullopt;
        command = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--")} + command;
        command.prepend(QStringLiteral("runuser"));
    }
    QProcess cdrskin;
    cdrskin.start(command.takeFirst(), command);
    EXPECT_TRUE(cdrskin.waitForFinished(60000));
    EXPECT_EQ(cdrskin.exitCode(), 0) << cdrskin.readAllStandardError().toStdString();
    return cdrskin.readAllStandardOutput();
}

// "Name = value" lines of the decoder's sheet, the values in the block's code.
QMap<QString, QString> sheetValues(const QByteArray& sheet, bool cp932)
{
    QMap<QString, QString> values;
    for (const QByteArray& line : sheet.split('\n')) {
        const qsizetype equals = line.indexOf(" = ");
        if (equals < 0 || line.startsWith("cdrskin"))
            continue;
        const QByteArray value = line.mid(equals + 3);
        values.insert(QString::fromLatin1(line.left(equals)).trimmed(),
                      cp932 ? DecodeCp932(value).value_or(QStringLiteral("?")) : QString::fromLatin1(value));
    }
    return values;
}

}  // namespace

TEST(CdTextPacks, CrcMatchesThePublishedSizePacks)
{
    // Three size-information packs of a published example disc with their CRCs.
    const char* packs[] = {"8f 00 2a 00 01 01 03 00 06 05 04 05 07 06 01 02 48 65",
                           "8f 01 2b 00 00 00 00 00 00 00 06 03 2c 00 00 00 c0 20",
                           "8f 02 2c 00 00 00 00 00 09 00 00 00 00 00 00 00 11 45"};
    for (const char* hex : packs) {
        const QByteArray pack = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
        EXPECT_EQ(CdTextCrc(pack), (quint8(pack[16]) << 8) | quint8(pack[17])) << hex;
    }
}

TEST(CdTextPacks, CdrskinDecodesTheTextsAndCodesOfLatinAndJapaneseDiscs)
{
    // libburn's decoder tells a double-byte type by bit 7 of a pack's first
    // text byte, so the Japanese disc has a text of every type.
    const struct {
        CdTextSet texts;
        CdTextCharset charset;
        QMap<QString, QString> decoded;  // every text the decoder gives that is not empty
        const char* textCode;
        const char* language;
    } rows[] = {
        {{{"Süße Stücke", "Jürgen & Co", "Anna Öberg", "Bertil", "", "Für alle", "4901234567894"},
          {{"Intro", "Jürgen", "Anna", "Bertil", "Carl", "", "JPA1F2600001"},
           {"Café au lait, a long title over packs", "", "", "Dora"}}},
         CdTextCharset::Latin1,
         {{"Album Title", "Süße Stücke"}, {"Artist Name", "Jürgen & Co"}, {"Songwriter", "Anna Öberg"},
          {"Composer", "Bertil"}, {"Album Message", "Für alle"}, {"UPC / EAN", "4901234567894"},
          {"Track 01 Title", "Intro"}, {"Track 01 Artist", "Jürgen"}, {"Track 01 Songwriter", "Anna"},
          {"Track 01 Composer", "Bertil"}, {"Track 01 Arranger", "Carl"}, {"ISRC 01", "JPA1F2600001"},
          {"Track 02 Title", "Café au lait, a long title over packs"}, {"Track 02 Composer", "Dora"}},
         "8859",
         "English"},
        {{{"夜明けのうた Best", "山田 花子", "作詞 一郎", "作曲家", "編曲家", "ありがとう", "4901234567894"},
          {{"はじまり", "山田 花子", "一郎", "", "", "", "JPA1F2600001"},
           {"とても長いタイトルが三つ以上のパックに続いていきます", "ﾔﾏﾀﾞ", "", "二郎", "三郎"},
           {"CD 2", "", "", "", "", "", "JPA1F2600003"}}},
         CdTextCharset::MsJis,
         {{"Album Title", "夜明けのうた　Ｂｅｓｔ"}, {"Artist Name", "山田　花子"}, {"Songwriter", "作詞　一郎"},
          {"Composer", "作曲家"}, {"Arranger", "編曲家"}, {"Album Message", "ありがとう"},
          {"UPC / EAN", "4901234567894"}, {"Track 01 Title", "はじまり"}, {"Track 01 Artist", "山田　花子"},
          {"Track 01 Songwriter", "一郎"}, {"ISRC 01", "JPA1F2600001"},
          {"Track 02 Title", "とても長いタイトルが三つ以上のパックに続いていきます"}, {"Track 02 Artist", "ヤマダ"},
          {"Track 02 Composer", "二郎"}, {"Track 02 Arranger", "三郎"}, {"Track 03 Title", "ＣＤ　２"},
          {"ISRC 03", "JPA1F2600003"}},
         "MS-JIS",
         "Japanese"},
    };
    const QStringList blockFields{"Input Sheet Version", "Remarks", "Text Code", "Language Code",
                                  "Text Data Copy Protection", "First Track Number", "Last Track Number"};
    for (const auto& row : rows) {
        const CdTextPacks packs = BuildCdTextPacks(row.texts);
        ASSERT_TRUE(packs.writable()) << row.textCode;
        EXPECT_EQ(packs.charset, row.charset);
        const QByteArray& file = packs.file;
        EXPECT_EQ((quint8(file[0]) << 8 | quint8(file[1])), file.size() - 2);
        for (qsizetype at = 4; at < file.size(); at += PackBytes) {
            const QByteArrayView pack(file.constData() + at, PackBytes);
            EXPECT_EQ(CdTextCrc(pack), (quint8(pack[16]) << 8) | quint8(pack[17])) << "pack at " << at;
            EXPECT_EQ(quint8(pack[2]), (at - 4) / PackBytes);
            const bool blockText = quint8(pack[0]) < 0x8E;
            EXPECT_EQ(bool(quint8(pack[3]) & 0x80), blockText && row.charset == CdTextCharset::MsJis);
        }

        const TempDir dir;
        const auto sheet = decodeWithCdrskin(file, dir);
        if (!sheet)
            GTEST_SKIP() << "running as root and no user nobody to run cdrskin as";
        QMap<QString, QString> values = sheetValues(*sheet, row.charset == CdTextCharset::MsJis);
        EXPECT_EQ(values.value("Text Code"), row.textCode);
        EXPECT_EQ(values.value("Language Code"), row.language);
        values.removeIf([&blockFields](const auto& value) {
            return value.value().isEmpty() || blockFields.contains(value.key());
        });
        EXPECT_EQ(values, row.decoded) << sheet->toStdString();
    }
}

TEST(CdTextPacks, RefusesCharactersWithoutACodeAndTextsBeyondTheBlock)
{
    CdTextSet full{{"Disc", ""}, {}};
    for (int track = 1; track <= 30; ++track)
        full.tracks.append({QString(60, u'x'), QString(40, u'y')});
    // Titles and performers in 172 packs; 20 composers of 47 or 48
    // characters fill the block's 253 packs or one more.
    const auto credited = [](int composer) {
        CdTextSet texts{{"Disc", ""}, {}};
        for (int track = 1; track <= 20; ++track)
            texts.tracks.append({QString(60, u'x'), QString(40, u'y'), "", QString(composer, u'z')});
        return texts;
    };
    const struct {
        CdTextSet texts;
        QList<CdTextFault> faults;
        bool fits;
    } rows[] = {
        {{{"Disc", ""}, {{"Song 😀", ""}}}, {{0, CdTextField::Title, "😀"}}, true},
        {{{"夜明け", ""}, {{"歌", "Jürgen"}}}, {{0, CdTextField::Performer, "ü"}}, true},
        {{{"Line\nbreak", ""}, {{"a", ""}}}, {{std::nullopt, CdTextField::Title, "\n"}}, true},
        {full, {}, false},
        {credited(47), {}, true},
        {credited(48), {}, false},
        {{{"Disc", "", "", "", "", "", "49012345678Ö4"}, {{"a", ""}}}, {{std::nullopt, CdTextField::Code, "Ö"}}, true},
    };
    for (const auto& row : rows) {
        const CdTextPacks packs = BuildCdTextPacks(row.texts);
        EXPECT_EQ(packs.faults, row.faults) << row.texts.tracks[0].title.toStdString();
        EXPECT_EQ(packs.fits(), row.fits);
        EXPECT_EQ(packs.file.isEmpty(), !packs.writable());
    }
}
