#include "gedcom/familygenerator.h"

#include "model/textrules.h"

#include <array>
#include <deque>

namespace kinrow {

namespace {

// splitmix64: the same numbers on every platform and library, unlike std distributions.
class Random
{
public:
    explicit Random(quint64 seed) : session_(seed) {}
    quint64 next()
    {
        quint64 z = (session_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int((next() >> 33) % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, size_t N> const T& pick(const std::array<T, N>& items)
    {
        return items[size_t(below(int(N)))];
    }

private:
    quint64 session_;
};

const std::array<QString, 16> kMen = {u"AHMET"_qs,   u"MEHMET"_qs, u"MUSTAFA"_qs,  u"ALİ"_qs,
                                      u"HÜSEYİN"_qs, u"HASAN"_qs,  u"İBRAHİM"_qs,  u"İSMAİL"_qs,
                                      u"OSMAN"_qs,   u"YUSUF"_qs,  u"MURAT"_qs,    u"ÖMER"_qs,
                                      u"RAMAZAN"_qs, u"HALİL"_qs,  u"SÜLEYMAN"_qs, u"ŞÜKRÜ"_qs};
const std::array<QString, 16> kWomen = {u"FATMA"_qs,  u"AYŞE"_qs,    u"EMİNE"_qs,  u"HATİCE"_qs,
                                        u"ZEYNEP"_qs, u"ELİF"_qs,    u"MERYEM"_qs, u"ŞERİFE"_qs,
                                        u"ZEHRA"_qs,  u"SULTAN"_qs,  u"HANİFE"_qs, u"MERVE"_qs,
                                        u"HAVVA"_qs,  u"ZÜLEYHA"_qs, u"GÜLŞEN"_qs, u"ÇİĞDEM"_qs};
const std::array<QString, 20> kSurnames = {
    u"YILMAZ"_qs, u"KAYA"_qs,     u"DEMİR"_qs,  u"ŞAHİN"_qs, u"ÇELİK"_qs,
    u"YILDIZ"_qs, u"YILDIRIM"_qs, u"ÖZTÜRK"_qs, u"AYDIN"_qs, u"ÖZDEMİR"_qs,
    u"ARSLAN"_qs, u"DOĞAN"_qs,    u"KILIÇ"_qs,  u"ASLAN"_qs, u"ÇETİN"_qs,
    u"KARA"_qs,   u"KOÇ"_qs,      u"KURT"_qs,   u"ÖZKAN"_qs, u"ŞİMŞEK"_qs};
const std::array<QString, 16> kPlaces = {u"İZMİR"_qs,      u"İSTANBUL"_qs,
                                         u"ANKARA"_qs,     u"ÇANAKKALE"_qs,
                                         u"MUĞLA"_qs,      u"ŞANLIURFA"_qs,
                                         u"DİYARBAKIR"_qs, u"AĞRI"_qs,
                                         u"KÜTAHYA"_qs,    u"ÜSKÜDAR, İSTANBUL"_qs,
                                         u"BURSA"_qs,      u"TRABZON"_qs,
                                         u"ESKİŞEHİR"_qs,  u"ÇORUM"_qs,
                                         u"BALIKESİR"_qs,  u"GÖLCÜK, KOCAELİ"_qs};
const std::array<QString, 10> kSentences = {
    u"Köyün değirmeninde çalıştı."_qs,
    u"Çocukluğu Ege kıyısında, zeytinlikler arasında geçti."_qs,
    u"Savaştan sonra İzmir'e göç etti ve orada bir bakkal dükkânı açtı."_qs,
    u"Öğretmenlik yaptı; öğrencileri onu hâlâ saygıyla anar."_qs,
    u"Düğünleri üç gün üç gece sürmüş."_qs,
    u"Aile fotoğraflarını özenle sakladı."_qs,
    u"Şiir yazmayı, bahçesindeki gülleri ve çayını severdi."_qs,
    u"Mektupları sandıkta bulundu."_qs,
    u"Hacca gitti."_qs,
    u"Kırk yıl boyunca aynı evde oturdu, komşularına hep yardım etti."_qs};

// Where a person still to be settled stands: the next ones marry and have children.
struct Pending
{
    qint32 id;
    int birthYear;
};

class Generator
{
public:
    Generator(int n, quint64 seed) : target_(size_t(qMax(n, 0))), random_(seed)
    {
        persons_.reserve(target_);
    }

    PersonList run()
    {
        while (!full()) {
            if (queue_.empty())
                addFounder();
            const Pending next = queue_.front();
            queue_.pop_front();
            settle(next);
        }
        return std::move(persons_);
    }

private:
    bool full() const { return persons_.size() >= target_; }
    TTreeData& at(qint32 id) { return persons_[size_t(id) - 1]; }

    qint32 newPerson(char sex, const QString& surname, int birthYear)
    {
        TTreeData p;
        p.Id = qint32(persons_.size() + 1);
        p.Sex = sex;
        p.GivenName = random_.pick(sex == SexFemale ? kWomen : kMen);
        if (random_.chance(4))
            p.GivenName += u' ' + random_.pick(sex == SexFemale ? kWomen : kMen);
        p.Surname = random_.chance(2) ? QString() : surname;
        if (!random_.chance(10))
            p.BirthPlace = random_.pick(kPlaces);
        p.BirthDate = dateOf(birthYear);
        if (birthYear < 1945 || random_.chance(5))
            p.DeathDate = dateOf(birthYear + 35 + random_.below(60));
        p.Notes = noteText();
        persons_.push_back(std::move(p));
        return persons_.back().Id;
    }

    // About one date in eight is missing and one in four a year alone.
    double dateOf(int year)
    {
        const int r = random_.below(8);
        if (r == 0 || year > 2024)
            return 0;
        if (r <= 2)
            return year;
        return DateToJulian(1 + random_.below(28), 1 + random_.below(12), year);
    }

    QString noteText()
    {
        const int r = random_.below(100);
        if (r >= 18)
            return {};
        QString note;
        const int sentences = r < 2 ? 8 + random_.below(6) : 1 + random_.below(3);
        for (int i = 0; i < sentences; ++i) {
            if (i > 0)
                note += (random_.chance(25) ? QStringLiteral("\r\n") : QStringLiteral(" "));
            note += random_.pick(kSentences);
        }
        return note;
    }

    void addFounder()
    {
        const char sex = random_.chance(50) ? SexMale : SexFemale;
        const int year = 1780 + random_.below(60);
        queue_.push_back({newPerson(sex, random_.pick(kSurnames), year), year});
    }

    void settle(const Pending& p)
    {
        const char sex = at(p.id).Sex;
        // The youngest have no families yet; new founders then start the next branches.
        if ((sex != SexMale && sex != SexFemale) || p.birthYear > 2000)
            return;
        const int r = random_.below(100);
        if (r < 25)
            return; // never married, no children
        if (r < 28) {
            addChildren(p, 0, p.birthYear, 1 + random_.below(3));
            return;
        }
        marry(p);
        if (random_.chance(12))
            marry(p);
        if (random_.chance(3))
            addChildren(p, 0, p.birthYear, 1);
    }

    void marry(const Pending& p)
    {
        if (full())
            return;
        const bool male = at(p.id).Sex == SexMale;
        const int year = p.birthYear + random_.below(11) - 5;
        const qint32 spouse = newPerson(male ? SexFemale : SexMale, random_.pick(kSurnames), year);
        at(p.id).Spouses.append(spouse);
        at(spouse).Spouses.append(p.id);
        static constexpr std::array<int, 10> kChildren = {0, 1, 2, 2, 3, 3, 3, 4, 5, 6};
        addChildren(p, spouse, qMin(p.birthYear, year), random_.pick(kChildren));
    }

    // Children of p and other (0 for none) in birth order, listed the same way by both.
    void addChildren(const Pending& p, qint32 other, int parentYear, int count)
    {
        const bool male = at(p.id).Sex == SexMale;
        const qint32 father = male ? p.id : other;
        const qint32 mother = male ? other : p.id;
        const QString surname = father ? at(father).Surname : at(mother).Surname;
        int year = parentYear + 19 + random_.below(10);
        for (int i = 0; i < count && !full(); ++i) {
            // One child in a hundred has no sex recorded, and then no family of its own.
            const int r = random_.below(100);
            const char sex = r == 0 ? '\0' : (r <= 50 ? SexMale : SexFemale);
            const qint32 child = newPerson(sex, surname, year);
            at(child).FatherId = father;
            at(child).MotherId = mother;
            if (father)
                at(father).Children.append(child);
            if (mother)
                at(mother).Children.append(child);
            queue_.push_back({child, year});
            year += 1 + random_.below(4);
        }
    }

    size_t target_;
    Random random_;
    PersonList persons_;
    std::deque<Pending> queue_;
};

} // namespace

PersonList GenerateFamily(int n, quint64 seed)
{
    return Generator(n, seed).run();
}

} // namespace kinrow
