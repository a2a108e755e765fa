// TEMPORARY: the entries the window uses; replaced by src/shell/langtable.cpp.
#include "shell/langtable.h"

#include <QHash>

namespace kinrow {
QString LangText(int entry, int langIndex)
{
    static const QHash<int, std::pair<const char16_t*, const char16_t*>> table = {
        {0, {u"KINROW - Aile Soyağacı", u"KINROW - Family Tree"}},
        {1, {u"Resim Dosyası Seçiniz", u"Select Image File"}},
        {2, {u"Eski Dosya Aç veya Yeni Oluştur", u"File Open or Create New"}},
        {3, {u"DEVAM", u"CONTINUE"}},
        {5, {u"KULLANIM ÖZELLİKLERİ", u"APPLICATION NOTES"}},
        {6,
         {u"Aile soyağacı kayıtlarını tutabileceğiniz basit ve kullanışlı bir programdır.",
          u"It is an useful and simple basic program for amatour family tree writers."}},
        {7,
         {u"Komutların kullanımı basit olup, kısa bir deneme çalışması neticesinde anlaşılacaktır.",
          u"Command buttons are easy to use. All computer users may learn it in one minute."}},
        {9, {u"DİĞER AÇIKLAMALAR", u"OTHER NOTES"}},
        {10,
         {u"KINROW proğramında yapılacak revizyonlar ve yeni sürümler aşağıdaki Internet "
          u"adresinden adresimizden temin edilebilinir.",
          u"You can found new versions and updates of KINROW program from belove mentioned web "
          u"address or email address."}},
        {61, {u"Internette sitemizi ziyaret edebilirsiniz.", u"Visit my web page on Internet."}},
        {62, {u"Mesajlarınızı bana iletebilirsiniz.", u"Mail for your messages."}},
        {76,
         {u"Salt yazılır dosya üzerinde değişiklik yapamazsınız.",
          u"On Read Only file you can not edit."}},
        {78,
         {u"İncelemekte olduğunuz dosyada değişiklikler yapılmış ve kaydedilmemiştir.\rBunları "
          u"dosyaya KAYDETMEK İstermisiniz ?",
          u"Inspected File records Chanced.\rDo you want to SAVE."}},
        {79,
         {u"Bu ve sonraki versiyonlar ile dat uzantılı dosyalar oluşturamazsınız.",
          u"You can not create dat type files with this and later versions."}},
        {93,
         {u"Kayıt işleminiz devam ediyor.\rLütfen işeminizi TAMAM ile kaydediniz veya İPTAL "
          u"ediniz.",
          u"Data Edit proccess is not complated.\rPlease record with OKEY or CANCEL it."}},
        {94,
         {u"İncelemekte olduğunuz dosyada değişiklikler yapılmış ve kaydedilmemiştir.\rÇıkmadan "
          u"önce bunları dosyaya KAYDETMEK İstermisiniz ?",
          u"File records Chanced.\rDo you want to SAVE before Exit ?"}},
        {95,
         {u"Program Ekran Fontu Değiştirilmiştir.\rTekrar açılışta bu yeni font ile çalışmak "
          u"İstermisiniz ?",
          u"Program Screen Font is changed by you.\rDo you want to use this new font as default "
          u"?"}},
        {103,
         {u"Dosya Formatı hatalı olduğu için açılamıyor.",
          u"File format is not right. File could not open."}},
        {108,
         {u"Kinrow kayıtlarına ilk şahıs bilgileri Eklenmektedir.",
          u"First Record Adding to KINROW Family Tree Program."}},
        {114, {u"Türkçe", u"Turkish"}},
        {141, {u"Dosya Adı : ", u"File Name : "}},
    };
    const auto found = table.constFind(entry);
    if (found == table.constEnd() || langIndex < 0 || langIndex > 1)
        return {};
    return QString::fromUtf16(langIndex == 0 ? found->first : found->second);
}
} // namespace kinrow
