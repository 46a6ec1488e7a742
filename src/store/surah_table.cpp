#include "store/surah_table.h"

#include <array>
#include <string_view>

namespace sahifex::store {
namespace {

// The table is kept in two halves, entries 0 to 56 and 57 to 114. The names are
// written as the text writes them; only entry 44 carries a diacritic (its damma).
const std::array<std::u16string_view, 57> kFirstHalf = {
    u"0", u"الفاتحة", u"البقرة", u"آل عمران", u"النساء", u"المائدة", u"الأنعام",
    u"الأعراف", u"الأنفال", u"التوبة", u"يونس", u"هود", u"يوسف", u"الرعد", u"إبراهيم",
    u"الحجر", u"النحل", u"الإسراء", u"الكهف", u"مريم", u"طه", u"الأنبياء", u"الحج",
    u"المؤمنون", u"النور", u"الفرقان", u"الشعراء", u"النمل", u"القصص", u"العنكبوت",
    u"الروم", u"لقمان", u"السجدة", u"الأحزاب", u"سبأ", u"فاطر", u"يس", u"الصفات", u"ص",
    u"الزمر", u"غافر", u"فصلت", u"الشورى", u"الزخرف", u"الدُخان", u"الجاثية", u"الأحقاف",
    u"محمد", u"الفتح", u"الحجرات", u"ق", u"الذاريات", u"الطور", u"النجم", u"القمر",
    u"الرحمن", u"الواقعة",
};

const std::array<std::u16string_view, 58> kSecondHalf = {
    u"الحديد", u"المجادلة", u"الحشر", u"الممتحنة", u"الصف", u"الجمعة", u"المنافقون",
    u"التغابن", u"الطلاق", u"التحريم", u"الملك", u"القلم", u"الحاقة", u"المعارج", u"نوح",
    u"الجن", u"المزمل", u"المدثر", u"القيامة", u"الإنسان", u"المرسلات", u"النبأ",
    u"النازعات", u"عبس", u"التكوير", u"الانفطار", u"المطففين", u"الانشقاق", u"البروج",
    u"الطارق", u"الأعلى", u"الغاشية", u"الفجر", u"البلد", u"الشمس", u"الليل", u"الضحى",
    u"الشرح", u"التين", u"العلق", u"القدر", u"البينة", u"الزلزلة", u"العاديات",
    u"القارعة", u"التكاثر", u"العصر", u"الهمزة", u"الفيل", u"قريش", u"الماعون", u"الكوثر",
    u"الكافرون", u"النصر", u"المسد", u"الإخلاص", u"الفلق", u"الناس",
};

} // namespace

std::u16string surahName(int number) {
    if (number >= 0 && number <= 56) return std::u16string(kFirstHalf[number]);
    if (number >= 57 && number <= 114) return std::u16string(kSecondHalf[number - 57]);
    return {};
}

} // namespace sahifex::store
