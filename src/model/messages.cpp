#include "model/messages.h"

namespace kinrow {

namespace {

// Turkish and English text of every entry; entries without a text are empty in both languages.
constexpr const char16_t* Texts[LangTableSize][2] = {
    /* 0 */ {u"KINROW - Aile Soyağacı", u"KINROW - Family Tree"},
    /* 1 */ {u"Resim Dosyası Seçiniz", u"Select Image File"},
    /* 2 */ {u"Eski Dosya Aç veya Yeni Oluştur", u"File Open or Create New"},
    /* 3 */ {u"DEVAM", u"CONTINUE"},
    /* 4 */ {u"", u""},
    /* 5 */ {u"KULLANIM ÖZELLİKLERİ", u"APPLICATION NOTES"},
    /* 6 */
    {u"Aile soyağacı kayıtlarını tutabileceğiniz basit ve kullanışlı bir programdır.",
     u"It is an useful and simple basic program for amatour family tree writers."},
    /* 7 */
    {u"Komutların kullanımı basit olup, kısa bir deneme çalışması neticesinde anlaşılacaktır.",
     u"Command buttons are easy to use. All computer users may learn it in one minute."},
    /* 8 */ {u"", u""},
    /* 9 */ {u"DİĞER AÇIKLAMALAR", u"OTHER NOTES"},
    /* 10 */
    {u"KINROW proğramında yapılacak revizyonlar ve yeni sürümler aşağıdaki Internet adresinden "
     u"adresimizden temin edilebilinir.",
     u"You can found new versions and updates of KINROW program from belove mentioned web address "
     u"or email address."},
    /* 11 */ {u"", u""},
    /* 12 */ {u"", u""},
    /* 13 */ {u"", u""},
    /* 14 */ {u"", u""},
    /* 15 */ {u"", u""},
    /* 16 */ {u"", u""},
    /* 17 */ {u"&Düzelt", u"&Edit"},
    /* 18 */ {u"&Tamam", u"&Okey"},
    /* 19 */ {u"İ&ptal", u"&Cancel"},
    /* 20 */ {u"&Sil", u"&Delete"},
    /* 21 */ {u"&Liste", u"&List"},
    /* 22 */ {u"&Yazıcı", u"&Print"},
    /* 23 */ {u"Kayıtlarda Düzeltme", u"Current Record Edit"},
    /* 24 */ {u"İşlem Tamam", u"Edit Complate"},
    /* 25 */ {u"İşlem İptal", u"Edit Cancel"},
    /* 26 */ {u"Kayıt Sil", u"Current Record Delete"},
    /* 27 */ {u"Listeden Seçim", u"Select From List"},
    /* 28 */ {u"Yazıcı Dökümü", u"Print Output"},
    /* 29 */ {u"Dosyaya Kaydet", u"File Save"},
    /* 30 */ {u"Aile Ağacı - Grafik", u"Family Tree - Graph"},
    /* 31 */ {u"Aile Ağacı - Tablo", u"Family Tree - Table"},
    /* 32 */ {u"Açıklamalar", u"About"},
    /* 33 */ {u"ÇIKIŞ", u"EXIT"},
    /* 34 */ {u"Adı", u"Name"},
    /* 35 */ {u"Soyadı", u"Surname"},
    /* 36 */ {u"Doğum Yeri", u"Birth Place"},
    /* 37 */ {u"Doğum Tarihi", u"Birth Day"},
    /* 38 */ {u"Ölüm Tarihi", u"Dead Day"},
    /* 39 */ {u"Cinsiyeti Seçmek için Tıklayınız", u"Click To Select Sex"},
    /* 40 */ {u"Kadın", u"Female"},
    /* 41 */ {u"R E S İ M", u"I M A G E"},
    /* 42 */ {u"ANNE", u"MOTHER"},
    /* 43 */ {u"BABA", u"FATHER"},
    /* 44 */ {u"EŞİ", u"SPOUSE"},
    /* 45 */ {u"ÇOCUKLARI", u"CHILDREN"},
    /* 46 */ {u"KARDEŞLERİ", u"SIBLINGS"},
    /* 47 */ {u"Yer Değişikliği", u"Replace"},
    /* 48 */ {u"Ekle", u"Add"},
    /* 49 */ {u"Sil", u"Del"},
    /* 50 */ {u"Liste", u"List"},
    /* 51 */ {u"YAZDIR", u"PRINT"},
    /* 52 */ {u"Liste Kapsamı", u"List Filter"},
    /* 53 */ {u"Ailesi", u"Family"},
    /* 54 */ {u"Baylar", u"Males"},
    /* 55 */ {u"Bayanlar", u"Females"},
    /* 56 */ {u"Tamamı", u"All"},
    /* 57 */ {u"Seçili kişi olmadığı için yazılamadı.", u"No checked person in table."},
    /* 58 */ {u"Notlar", u"Notes"},
    /* 59 */ {u"Resim", u"Image"},
    /* 60 */ {u"Ebeveynler", u"Parents"},
    /* 61 */ {u"Internette sitemizi ziyaret edebilirsiniz.", u"Visit my web page on Internet."},
    /* 62 */ {u"Mesajlarınızı bana iletebilirsiniz.", u"Mail for your messages."},
    /* 63 */ {u"Resim Ekle", u"Add Image"},
    /* 64 */ {u"Resim Sil", u"Delete Image"},
    /* 65 */ {u"Önceki Resim", u"Prior Image"},
    /* 66 */ {u"Sonraki Resim", u"Next Image"},
    /* 67 */ {u"Kayıtlı Kişiler Arasından Seçerek Eklemek için", u"To Add From Recorded List"},
    /* 68 */ {u"Yeni Kayıt Eklemek için", u"To Add New Record"},
    /* 69 */
    {u"Yazıcınızda kullanılan kağıt ölçüsü A4 ten küçüktür veya\rYazıcınızın Kağıt Baskı Alanı "
     u"195x275 mm den Küçüktür.\r\rBundan sonraki işlemlerinizde Yazıcı ayarlarını "
     u"kullanarak\rkağıt ölçülerini değiştirmeniz tavsiye edilir !!!",
     u"Selected Paper is smaller than A4 or\rPaper used area smaller than 195x275 mm.\r\rPlease "
     u"Select another big paper size."},
    /* 70 */ {u"", u""},
    /* 71 */ {u"", u""},
    /* 72 */ {u"", u""},
    /* 73 */ {u"", u""},
    /* 74 */ {u"", u""},
    /* 75 */ {u"", u""},
    /* 76 */
    {u"Salt yazılır dosya üzerinde değişiklik yapamazsınız.",
     u"On Read Only file you can not edit."},
    /* 77 */ {u"", u""},
    /* 78 */
    {u"İncelemekte olduğunuz dosyada değişiklikler yapılmış ve kaydedilmemiştir.\rBunları dosyaya "
     u"KAYDETMEK İstermisiniz ?",
     u"Inspected File records Chanced.\rDo you want to SAVE."},
    /* 79 */
    {u"Bu ve sonraki versiyonlar ile dat uzantılı dosyalar oluşturamazsınız.",
     u"You can not create dat type files with this and later versions."},
    /* 80 */
    {u"Soyadında bu gibi karakterleri kullanmamanız ve/veya boşluk bırakmamanız tavsiye edilir.",
     u"Removing blanks and like this chars from Surname Adviced."},
    /* 81 */
    {u"Şahıs Adı doldurulmadan kayıt yapılamaz",
     u"Recording a person without name is not possible."},
    /* 82 */
    {u"Aynı ad ve soyadı ile başka kayıt vardır.\rBu şahıs bilgilerini de ayrıca kayıtlara eklemek "
     u"istiyormusunuz ?",
     u"There is another record with same name and surname.\rAre you sure to add this person record "
     u"seperately ?"},
    /* 83 */
    {u"Bir adet şahıs kaydı vardır. SİLİNEMEZ",
     u"To delete is not possible. Becouse it is last one record."},
    /* 84 */
    {u"!!!!  Anne-Baba, Eş veya Çocuklarının kaydı yapılan bir şahıs aile zincirinden silinemez.  "
     u"!!!!\r\rMuhakkak Silinecek ise, Öncelikle En Son Eklenen Şahısların Kaydını Silerek Devam "
     u"Ediniz.",
     u"!!!!  When you delete this person, then family tree chain may be crashed.  !!!!\r\rIf it is "
     u"necessary to delete this person, start to delete from last added or alone records."},
    /* 85 */
    {u" İsimli Şahıs Kaydını Silmek İstiyormusunuz ?", u" - Are you sure to delete this person ?"},
    /* 86 */ {u"Yerleri Değiştirilsinmi ?", u"Replace them ?"},
    /* 87 */
    {u"Öncelikle Eşi ile ilgili kayıt yapılması ve/veya işaretlenmesini önerilir.\rBu Şekliyle "
     u"Devam Edilsinmi ?",
     u"Firstly addding a spouse and/or select one of them Advised.\rRealy Do you want to Select a "
     u"Child"},
    /* 88 */ {u" Annesi ", u"'s Mother "},
    /* 89 */ {u" Babası ", u"'s Father "},
    /* 90 */ {u" Eşi ", u"'s Spouse "},
    /* 91 */ {u" Çocuğu ", u"'s Child "},
    /* 92 */
    {u"SEÇİMİNİZDE LÜTFEN DİKKATLİ OLUNUZ !!!\r\rGüvenli silme önlemlerinden dolayı yaptığınız "
     u"seçimi değiştirmek veya silmekte zorlukla karşılaşabilirsiniz.",
     u"BE CAREFUL FOR YOUR SELECTION !!!\r\rDeleting of this selection may be difficult becouse of "
     u"famiy tree chain security."},
    /* 93 */
    {u"Kayıt işleminiz devam ediyor.\rLütfen işeminizi TAMAM ile kaydediniz veya İPTAL ediniz.",
     u"Data Edit proccess is not complated.\rPlease record with OKEY or CANCEL it."},
    /* 94 */
    {u"İncelemekte olduğunuz dosyada değişiklikler yapılmış ve kaydedilmemiştir.\rÇıkmadan önce "
     u"bunları dosyaya KAYDETMEK İstermisiniz ?",
     u"File records Chanced.\rDo you want to SAVE before Exit ?"},
    /* 95 */
    {u"Program Ekran Fontu Değiştirilmiştir.\rTekrar açılışta bu yeni font ile çalışmak "
     u"İstermisiniz ?",
     u"Program Screen Font is changed by you.\rDo you want to use this new font as default ?"},
    /* 96 */
    {u"Bu akrabalık bağlantısının silinmesini istiyormusunuz ?",
     u"Are you sure to delete this relationship ?"},
    /* 97 */ {u"Ekleniyor", u"is Adding"},
    /* 98 */ {u"Bu kayıt henüz doldurulmamıştır.", u"This record is not filled yet."},
    /* 99 */ {u" - Resim Dosyası", u" Image File"},
    /* 100 */
    {u"listeden çıkartılacaktır. Bu resim dosyasını tamamen silmek istermisiniz ?",
     u" - will be removed from list. Do you want to delete complately this Image File?"},
    /* 101 */
    {u"Lütfen 1 - 99 arasında bir rakam yazınız.", u"Please give a number between 1 - 99"},
    /* 102 */
    {u". Satır çok uzun. Bu Dosya Açılamaz !", u". Line is too long. File could not open."},
    /* 103 */
    {u"Dosya Formatı hatalı olduğu için açılamıyor.",
     u"File format is not right. File could not open."},
    /* 104 */ {u" Adet Resim Dizin içine kopyalandı.", u" Image File copied into this directory."},
    /* 105 */
    {u"Bu Özellik Tamamlanmamıştır.\rSonraki Versiyonlarda Hazırlanacaktır.",
     u"This Property is not complated.\rWill be ready at later versions."},
    /* 106 */
    {u"Lütfen şimdilik Tablo Kaydetme özelliğini kullanınız.",
     u"Please try to use Table Save property."},
    /* 107 */ {u"Kısa Notlar : ", u"Short Notes : "},
    /* 108 */
    {u"Kinrow kayıtlarına ilk şahıs bilgileri Eklenmektedir.",
     u"First Record Adding to KINROW Family Tree Program."},
    /* 109 */ {u" Kaydı Düzeltilmektedir.", u" Record is Editing."},
    /* 110 */ {u"KINROW KAYITLARI İsim Listesi", u"KINROW Family Tree Records List"},
    /* 111 */ {u". Eşinin Bilgileri Eklenmektedir.", u". Spouse Adding to Records"},
    /* 112 */ {u". Çocuğunun Bilgileri Eklenmektedir.", u". Child Adding to Records"},
    /* 113 */ {u"Seçim yapabileceğiniz\rKayıt Adeti : ", u"Selectable Records\rCount is : "},
    /* 114 */ {u"Türkçe", u"Turkish"},
    /* 115 */ {u"Kaydet", u"Save"},
    /* 116 */ {u"Max/Min 15 Nesil", u"Max/Min 15 Generation"},
    /* 117 */ {u"Nesil", u"Generation"},
    /* 118 */ {u"Doğum & Ölüm", u"Birt & Deat"},
    /* 119 */ {u"Seçili Olmayanları", u"No Selected Items"},
    /* 120 */ {u"Gizle\rGöster", u"Hide\rShow"},
    /* 121 */
    {u"\rTabloda İşaretli Kişilerin\raşağıdan seçeceğiniz bilgilerini\ryazıcınızdan döküm olarak "
     u"alabilirsiniz\rNot : Sadece A4 ölçüde kağıt kullanın.",
     u"\rYou may print\rbelowe checked infos\rof selected persons from table.\rNote : Please use "
     u"A4 size paper"},
    /* 122 */
    {u"\rYandaki Tabloyu Kaydetmek\r\rhtml, txt, csv, uni, rtf formatlarında\rTabloyu kaydetmeniz "
     u"mümkündür.",
     u"\r\rSave as html, txt, csv, uni, rtf format files\rbelove checked infos\rof visible persons "
     u"from table."},
    /* 123 */
    {u"\rResim Dosyalarını\rKinrow Dosyasının bulunduğu\rDizin içine kopyalayarak Toplamak\rCD "
     u"Hazırlamak için kolaylıktır.",
     u"\rYou may colect (copy/move)\rImage Files into the program directory.\rUseful for CD Album "
     u"preparing."},
    /* 124 */ {u"Resimleri Topla", u"Collect Images"},
    /* 125 */ {u"Asıl resim dosyasını silerek kopyala.", u"Copy image files by moving"},
    /* 126 */ {u"Sadece Tabloda Seçili Olan Kişilerin", u"Only selected persons from table"},
    /* 127 */
    {u"\rFONT SEÇİMİ\r\rProgram ve/veya Yazıcı dökümlerinde\rGeçerli olacak Fontu seçiniz.",
     u"\rFONT SELECTION\r\rYou may select font type\rfor program and print outs."},
    /* 128 */ {u"AÇILIŞ FONTU", u"DEFAULT FONT"},
    /* 129 */ {u"Tablodaki kişi sayısı : ", u"Persons in Table is "},
    /* 130 */ {u"Tamamı", u"All"},
    /* 131 */ {u"Seçilen", u"Selected"},
    /* 132 */ {u"Gösterilen", u"Visible"},
    /* 133 */ {u"Kayıt No : ", u"Rec No : "},
    /* 134 */ {u"Toplam Kayıt : ", u"Total Records : "},
    /* 135 */ {u"Yeni", u"New"},
    /* 136 */
    {u" - KINROW den başka bir program ile hazırlanmıştır.",
     u" - This file is prepared by another Program."},
    /* 137 */ {u"Diğer", u"Others"},
    /* 138 */
    {u"- Obje Formatı Uygun Değil. Satir => ", u"- Obje format is not accepted. Line => "},
    /* 139 */ {u"- Obje Kaydı Bulunamadı. Satir => ", u"- Obje file couln not found. Line => "},
    /* 140 */
    {u"- DİKKAT ! Kişi Cinsiyeti Belirli değil. KayıtNo => ",
     u"- ATTANTION ! Person sex is not defined. Record No => "},
    /* 141 */ {u"Dosya Adı : ", u"File Name : "},
    /* 142 */
    {u"- Kinrow dat uzantılı dosyalar kullanımdan kaldırılmıştır.",
     u"- Kinrow dat extended files not used so."},
    /* 143 */
    {u"- Yeni Kinrow dosyalarınız ged uzantılı olarak kaydedilecektir.",
     u"- Saved Kinrow files will be recorded as GedCom file with ged extension."},
    /* 144 */
    {u"\r\rÇalışma dizini dışındaki tüm resimleriniz buraya kopyalanacaktır.",
     u"\r\rAll images will be copied and collected in to this directory."},
    /* 145 */ {u"Kayıt Edilen Program : ", u"Recorded Original Program Name is "},
    /* 146 */
    {u"Ged uzantılı dosyalar Kinrow ile açılır", u"Ged extended files Associated with Kinrow"},
    /* 147 */
    {u"Öncelikle bu şahsa ait resimleri silerek temizleyin.",
     u"Please remove images of this person before deleting this record."},
    /* 148 */ {u"Yaş", u"Age"},
    /* 149 */
    {u"Eşi veya Çocuğu olmasından dolayı cinsiyetinde değişiklik yapılamaz.",
     u"Sex may not change. Becouse this person have Spouse(s) or Chid(ren)"},
    /* 150 */
    {u"Yazdırma işlemi başarılı olarak sonuçlanmıştır.", u"Printing finished succesfully."},
    /* 151 */ {u"", u""},
    /* 152 */ {u"", u""},
    /* 153 */ {u"", u""},
    /* 154 */ {u"", u""},
    /* 155 */ {u"Ayarlar kaydedilemedi: ", u"The settings could not be written: "},
    /* 156 */ {u"Disk dolu.", u"The disk is full."},
    /* 157 */
    {u"Dosya kaydedilemedi.\rAileyi başka bir isimle kaydetmek ister misiniz ?",
     u"The file could not be saved.\rDo you want to save the family under another name ?"},
    /* 158 */
    {u"Bu isimde bir dosya zaten var.\rAktarılan aile ilk kayıtta bu dosyanın yerine yazılsın mı ?"
     u"\r(Hayır: başka bir isim seçin)",
     u"A file with this name exists already.\rShall the imported family replace it at the first "
     u"save ?\r(No: choose another name)"},
    /* 159 */
    {u"Bu tarih anlaşılamadı. Lütfen düzeltin veya boş bırakın.",
     u"This date is not understood. Please correct it or leave it empty."},
    /* 160 */ {u"Yazdırma işlemi başarısız oldu: ", u"Printing failed: "},
    /* 161 */
    {u"Bu resim dosyasının yolu çok uzun; aile dosyasına yazılamaz:",
     u"The path of this image file is too long to be written into the family file:"},
    /* 162 */
    {u"%1 nolu kayıt, ebeveyni olan %2 nolu kayıttan önce doğmuş.",
     u"Record %1 was born before its parent, record %2."},
    /* 163 */
    {u"%2 nolu kayıt, çocuğu %1 nolu kayıt doğduğunda %3 yaşındaydı (12 yaşından küçük).",
     u"Record %2 was %3 years old at the birth of record %1, their child (under 12)."},
    /* 164 */
    {u"%2 nolu kayıt, çocuğu %1 nolu kayıt doğduğunda %3 yaşındaydı (70 yaşından büyük).",
     u"Record %2 was %3 years old at the birth of record %1, their child (over 70)."},
    /* 165 */
    {u"%1 nolu kaydın ölüm tarihi doğum tarihinden önce.", u"Record %1 died before being born."},
    /* 166 */
    {u"%1 nolu kayıt kendi atası olmuş: %2.", u"Record %1 is their own ancestor: %2."},
    /* 167 */
    {u"%1 nolu kayıt annesi olarak %2 nolu kaydı gösteriyor, fakat %2 nolu kaydın çocukları "
     u"arasında yok.",
     u"Record %1 names record %2 as mother, but record %2 does not list it as a child."},
    /* 168 */
    {u"%1 nolu kayıt babası olarak %2 nolu kaydı gösteriyor, fakat %2 nolu kaydın çocukları "
     u"arasında yok.",
     u"Record %1 names record %2 as father, but record %2 does not list it as a child."},
    /* 169 */
    {u"%1 nolu kayıt %2 nolu kaydı çocuğu olarak gösteriyor, fakat %2 nolu kayıt onu anne veya "
     u"baba olarak göstermiyor.",
     u"Record %1 lists record %2 as a child, but record %2 names it neither as mother nor as "
     u"father."},
    /* 170 */
    {u"%1 nolu kayıt %2 nolu kaydı eşi olarak gösteriyor, fakat %2 nolu kaydın eşleri arasında "
     u"%1 yok.",
     u"Record %1 lists record %2 as a spouse, but record %2 does not list record %1."},
    /* 171 */ {u"%1 nolu kaydın adı ve soyadı yok.", u"Record %1 has no name."},
    /* 172 */
    {u"%1 nolu kayıtların adı, soyadı ve doğum tarihi aynı.",
     u"Records %1 have the same name, surname and birth date."},
    /* 173 */
    {u"%1 nolu kayıt, olmayan %2 nolu kayda bağlı.",
     u"Record %1 links to record %2, which does not exist."},
    /* 174 */ {u"Aile denetimi - bulgu sayısı : %1", u"Family check - findings : %1"},
    /* 175 */ {u"Ailede bir sorun bulunamadı.", u"No problems were found in the family."},
    /* 176 */
    {u"KINROW kapanmadan sona ermiş; %1 ailesinde kaydedilmemiş değişiklikler vardı.\rBu "
     u"değişikliklerin %2 tarihli bir kopyası bulundu.\rKopyayı GERİ YÜKLEMEK istermisiniz ?"
     u"\r(Hayır: kopya silinir)",
     u"KINROW ended without closing while the family %1 had unsaved changes.\rA copy of these "
     u"changes from %2 was found.\rDo you want to RESTORE it ?\r(No: the copy is deleted)"},
    /* 177 */
    {u"Kurtarma kopyası okunamadı: ", u"The recovery copy could not be read: "},
    /* 178 */ {u"Aileyi Denetle", u"Check the Family"},
    /* 179 */
    {u"... ve %1 bulgu daha (gösterilmedi).", u"... and %1 more findings (not shown)."},
    /* 180 */
    {u"(Evet: dosya diskten de silinir. Geri Al resmi listeye geri koyar, dosyayı geri getiremez.)",
     u"(Yes: the file is deleted from the disk too. Undo puts the image back into the list, but "
     u"cannot bring the file back.)"},
    /* 181 */
    {u"- %1 satır %2 alınmadı, ilki satır %3", u"- %1 lines %2 not kept, first at line %3"},
    /* 182 */ {u"- 1 satır %2 alınmadı, satır %3", u"- 1 line %2 not kept, at line %3"},
    /* 183 */
    {u"- Milattan önceki tarih alınmadı (aile bu yılları tutamaz). KayıtNo => ",
     u"- Date before Christ not kept (the family cannot hold such years). Record No => "},
    /* 184 */
    {u"- Anne-baba ailesi kullanılmadı (kişinin anne ve babası başka bir aileden). KayıtNo => ",
     u"- Parents' family not used (the person's parents come from another family). Record No => "},
    /* 185 */
    {u"Bu ailenin dosyasında KINROW'un tutmadığı satırlar var (hata listesinde sayıldı). Dosyanın "
     u"üzerine kaydetmek onları kalıcı olarak siler.\rBAŞKA BİR ADLA kaydetmek istermisiniz ?"
     u"\r(Hayır: dosyanın üzerine yazılır)",
     u"This family's file holds lines KINROW does not keep (counted in the error list). Saving "
     u"over the file loses them for good.\rDo you want to SAVE it under ANOTHER NAME ?\r(No: the "
     u"file is replaced)"},
    /* 186 */ {u"GEDCOM 5.5.1 Aktar", u"Export as GEDCOM 5.5.1"},
    /* 187 */
    {u"Aileyi başka soyağacı programlarının okuduğu standart GEDCOM 5.5.1 (UTF-8) dosyası olarak "
     u"yazar. Aile dosyası değişmez.",
     u"Writes the family as a standard GEDCOM 5.5.1 file (UTF-8) that other genealogy programs "
     u"read. The family file is not changed."},
    /* 188 */ {u"GEDCOM 5.5.1 dosyası", u"GEDCOM 5.5.1 file"},
    /* 189 */
    {u"Aile dosyasının kendisine aktarılamaz; başka bir dosya adı seçiniz.",
     u"The export cannot replace the family file itself; choose another file name."},
    /* 190 */
    {u"%1 dosyası zaten var.\rYerine yazılsın mı ?", u"The file %1 exists already.\rReplace it ?"},
    /* 191 */
    {u"%1 dosyası zaten var.\rDışa aktarılan tablo bu dosyanın yerine yazılsın mı ?",
     u"The file %1 exists already.\rShall the exported table replace it ?"},
    /* 192 */ {u"(döngü: yukarıda var)", u"(loop: already above)"},
    /* 193 */
    {u"listeden çıkartılacaktır. Bu resim dosyasını %1 başka kişi de kullandığı için dosya "
     u"diskte kalır. Listeden çıkartılsın mı ?",
     u" - will be removed from list. The Image File stays on the disk, since %1 other persons use "
     u"it too. Do you want to remove it from the list?"},
    /* 194 */
    {u"listeden çıkartılacaktır. Bu kişinin başka bir resim kaydı da aynı dosyayı gösterdiği için "
     u"dosya diskte kalır. Listeden çıkartılsın mı ?",
     u" - will be removed from list. The Image File stays on the disk, since another image entry "
     u"of this person names it too. Do you want to remove it from the list?"},
    /* 195 */
    {u"%1\rBu dosya burada açıldıktan veya son kaydedildikten sonra diskte değişmiş (başka bir "
     u"pencere veya program kaydetmiş).\rEvet: BAŞKA BİR ADLA kaydet\rHayır: üzerine yaz "
     u"(diskteki dosya yedek olur)\rİptal: kaydetme",
     u"%1\rThis file was changed on the disk after it was opened or last saved here (another "
     u"window or program saved it).\rYes: save under ANOTHER NAME\rNo: overwrite it (the file "
     u"on the disk becomes the backup)\rCancel: do not save"},
    /* 196 */
    {u"Aile dosyası bu kopyadan sonra, %1 tarihinde kaydedilmiş: kopya daha yeni bir çalışmanın "
     u"üzerine yazılabilir.\r(Evet: kopya %2 adıyla açılır, aile dosyası olduğu gibi kalır)",
     u"The family file was saved after this copy, at %1: the copy could replace newer work.\r"
     u"(Yes: the copy is opened under the name %2, the family file stays as it is)"},
    /* 197 */
    {u"Bu kopya EKSİK (yazılırken kesilmiş veya bozulmuş); içinde %1 kişi var.\r(Evet: kopya %2 "
     u"adıyla açılır, aile dosyası olduğu gibi kalır)",
     u"This copy is INCOMPLETE (cut off while written, or damaged); it holds %1 persons.\r(Yes: "
     u"the copy is opened under the name %2, the family file stays as it is)"},
    /* 198 */
    {u"Kaydedilmemiş değişikliklerin kurtarma kopyası yazılamadı; program şimdi çökerse bu "
     u"değişiklikler kaybolur: ",
     u"The recovery copy of the unsaved changes could not be written; if the program ended now "
     u"they would be lost: "},
    /* 199 */
    {u"Kaydı kaybolmuş bir kurtarma kopyası bulundu (%1 tarihli, %2 kişi).\rKopyayı GERİ "
     u"YÜKLEMEK istermisiniz ?\r(Evet: kopya %3 adıyla açılır; Hayır: kopya silinir)",
     u"A recovery copy whose record is lost was found (from %1, %2 persons).\rDo you want to "
     u"RESTORE it ?\r(Yes: the copy is opened under the name %3; No: the copy is deleted)"},
    /* 200 */
    {u"%1 nolu kayıt, annesi %2 nolu kaydın ölümünden sonra doğmuş.",
     u"Record %1 was born after the death of the mother, record %2."},
    /* 201 */
    {u"%1 nolu kayıt, babası %2 nolu kaydın ölümünden on aydan fazla sonra doğmuş.",
     u"Record %1 was born more than ten months after the death of the father, record %2."},
    /* 202 */ {u"ERROR in Line - %1 - %2", u"ERROR in Line - %1 - %2"},
    /* 203 */
    {u"... ve %1 hata satırı daha (gösterilmedi).", u"... and %1 more error lines (not shown)."},
    /* 204 */ {u" - Version : ", u" - Version : "},
    /* 205 */
    {u"%1. Satır: kişi numarası tam sayı değil. Bu Dosya Açılamaz !",
     u"%1. Line: the person number is not a whole number. File could not open."},
    /* 206 */ {u"Dosya okunamadı: ", u"File could not be read: "},
    /* 207 */ {u"<Family ID Number is Wrong>", u"<Family ID Number is Wrong>"},
    /* 208 */ {u"- FAM Sıra No Hatalı. Satır => ", u"- FAM Sıra No Hatalı. Satır => "},
    /* 209 */ {u"<File Last Line Code is Wrong>", u"<File Last Line Code is Wrong>"},
    /* 210 */ {u"<Note Format is Wrong>", u"<Note Format is Wrong>"},
    /* 211 */ {u"<Family Record Number is Wrong>", u"<Family Record Number is Wrong>"},
    /* 212 */ {u"<Person Record Format is Wrong>", u"<Person Record Format is Wrong>"},
    /* 213 */ {u"<Child Order Names no Child>", u"<Child Order Names no Child>"},
    /* 214 */ {u"<Family Spouse ID Number is Wrong>", u"<Family Spouse ID Number is Wrong>"},
    /* 215 */ {u"<Too Many Links to Family Children>", u"<Too Many Links to Family Children>"},
    /* 216 */ {u"<Family Child ID Number is Wrong>", u"<Family Child ID Number is Wrong>"},
    /* 217 */ {u"<Notes ID Number is Wrong>", u"<Notes ID Number is Wrong>"},
    /* 218 */ {u"<Note Text Limit Reached>", u"<Note Text Limit Reached>"},
    /* 219 */ {u"<Object ID Number is Wrong>", u"<Object ID Number is Wrong>"},
    /* 220 */ {u"%1 - Satır => %2", u"%1 - Line => %2"},
    /* 221 */
    {u"- Tarihin yalnız yılı okunabildi. KayıtNo => ",
     u"- Only the year of the date could be read. Record No => "},
    /* 222 */ {u"- Tarih okunamadı. KayıtNo => ", u"- Date could not be read. Record No => "},
    /* 223 */
    {u"ERROR in Record No - %1 - <Person ID Number not Found> => %2",
     u"ERROR in Record No - %1 - <Person ID Number not Found> => %2"},
    /* 224 */ {u"<Line too long, skipped>", u"<Line too long, skipped>"},
    /* 225 */
    {u"<Line too long, cut to 270 characters>", u"<Line too long, cut to 270 characters>"},
    /* 226 */
    {u"ERROR in Record - %1 - <Linked Record Number is Wrong> - %2",
     u"ERROR in Record - %1 - <Linked Record Number is Wrong> - %2"},
    /* 227 */
    {u"ERROR - %1 more wrong linked record numbers",
     u"ERROR - %1 more wrong linked record numbers"},
    /* 228 */
    {u"- Resim adı aile dosyasının satırına sığmıyor, eklenmedi. KayıtNo => ",
     u"- Picture name is too long for the family file, not added. Record No => "},
    /* 229 */ {u"ERROR_3", u"ERROR_3"},
    /* 230 */ {u"ERROR_8", u"ERROR_8"},
    /* 231 */ {u"ERROR_9", u"ERROR_9"},
    /* 232 */ {u"InAccessible Area !!!", u"InAccessible Area !!!"},
    /* 233 */ {u"File can not open !!!", u"File can not open !!!"},
    /* 234 */ {u"Bu ad bir klasörün adı.", u"This name is taken by a folder."},
    /* 235 */ {u"Yedek dosyanın adı bir klasörün adı.", u"The backup name is taken by a folder."},
    /* 236 */ {u"Dosya diskte değişmiş.", u"The file changed on the disk."},
    /* 237 */ {u"Bu ad sıradan bir dosyanın adı değil.", u"This name is not a regular file."},
    /* 238 */ {u"Geri al", u"Undo"},
    /* 239 */ {u"Yinele", u"Redo"},
    /* 240 */ {u"ilk kişiyi ekle", u"add first person"},
    /* 241 */ {u"anne ekle", u"add mother"},
    /* 242 */ {u"baba ekle", u"add father"},
    /* 243 */ {u"eş ekle", u"add spouse"},
    /* 244 */ {u"çocuk ekle", u"add child"},
    /* 245 */ {u"kişiyi düzelt", u"correct person"},
    /* 246 */ {u"listeden anne bağla", u"link mother"},
    /* 247 */ {u"listeden baba bağla", u"link father"},
    /* 248 */ {u"listeden eş bağla", u"link spouse"},
    /* 249 */ {u"listeden çocuk bağla", u"link child"},
    /* 250 */ {u"anne bağını sil", u"remove mother link"},
    /* 251 */ {u"baba bağını sil", u"remove father link"},
    /* 252 */ {u"eş bağını sil", u"remove spouse link"},
    /* 253 */ {u"eşin sırasını değiştir", u"move spouse"},
    /* 254 */ {u"çocuğun sırasını değiştir", u"move child"},
    /* 255 */ {u"kişiyi sil", u"delete person"},
    /* 256 */ {u"cinsiyeti değiştir", u"change sex"},
    /* 257 */ {u"resim ekle", u"add picture"},
    /* 258 */ {u"resmi çıkar", u"remove picture"},
    /* 259 */ {u"resimleri topla", u"collect pictures"},
    /* 260 */ {u" (sınıra ulaşıldı, tablo eksik)", u" (limit reached, table incomplete)"},
    /* 261 */ {u"çıktı açılamadı.", u"the output cannot be opened."},
    /* 262 */ {u"yeni sayfa başlatılamadı.", u"a new page could not be started."},
    /* 263 */ {u"çıktı tamamlanamadı.", u"the output could not be finished."},
    /* 264 */ {u"yazıcı işi reddetti.", u"the printer refused the job."},
    /* 265 */ {u"Not Find Installed Printer !!!", u"Not Find Installed Printer !!!"},
    /* 266 */ {u"Yazdırılamadı: %1", u"Cannot print to %1"},
    /* 267 */
    {u"GED dosyalarının ilişkilendirmesi değiştirilemedi.",
     u"GED files association could not be changed."},
    /* 268 */ {u"GED Files Assocciation is OKEY", u"GED Files Assocciation is OKEY"},
    /* 269 */ {u"GED Files Assocciation is Removed", u"GED Files Assocciation is Removed"},
    /* 270 */ {u" - Read Only !!!!!", u" - Read Only !!!!!"},
    /* 271 */ {u"&Salt okunur aç", u"Open as &read-only"},
    /* 272 */ {u"Uyarı", u"Warning"},
    /* 273 */ {u"Bilgi", u"Information"},
    /* 274 */
    {u"Tabloda izlenecek Max/Min Nesil Sayısı (1 - 99)",
     u"Tabloda izlenecek Max/Min Nesil Sayısı (1 - 99)"},
    /* 275 */ {u"Max 32 Char", u"Max 32 Char"},
    /* 276 */ {u"Max 220 Char", u"Max 220 Char"},
    /* 277 */ {u"dd mm yyyy & yyyy", u"dd mm yyyy & yyyy"},
    /* 278 */ {u"Note", u"Note"},
    /* 279 */ {u"Notes", u"Notes"},
    /* 280 */ {u"Ctrl + Mouse => ", u"Ctrl + Mouse => "},
    /* 281 */ {u"&Tamam", u"&Tamam"},
    /* 282 */ {u"&İptal", u"&İptal"},
    /* 283 */ {u"< ?? >", u"< ?? >"},
    /* 284 */ {u"A4", u"A4"},
    /* 285 */ {u"Print", u"Print"},
    /* 286 */ {u">", u">"},
    /* 287 */ {u"Max/Min 15 Nesil", u"Max/Min 15 Nesil"},
    /* 288 */ {u"Kaydet ....", u"Kaydet ...."},
    /* 289 */ {u"Font", u"Font"},
    /* 290 */ {u"Cinsiyeti Etkilenen Diğer Kişiler", u"Cinsiyeti Etkilenen Diğer Kişiler"},
    /* 291 */ {u"Anne ve Baba yeri Değişecek kişiler", u"Anne ve Baba yeri Değişecek kişiler"},
    /* 292 */
    {u"Bu değişikliklerin yapılmasını istiyormusunuz ?",
     u"Bu değişikliklerin yapılmasını istiyormusunuz ?"},
    /* 293 */
    {u"W x H : %1 x %2 Pixels\rFile Size : %3 bytes",
     u"W x H : %1 x %2 Pixels\rFile Size : %3 bytes"},
    /* 294 */ {u" Kişi", u" Kişi"},
    /* 295 */ {u" - GNU GPL v3+", u" - GNU GPL v3+"},
    /* 296 */ {u"Gedcom Files (*.ged)", u"Gedcom Files (*.ged)"},
    /* 297 */ {u"Kinrow 2.xx Files (*.dat)", u"Kinrow 2.xx Files (*.dat)"},
    /* 298 */
    {u"All (*.jpg *.jpeg *.bmp);;JPEG Image File (*.jpg);;"
     u"JPEG Image File (*.jpeg);;Bitmaps (*.bmp)",
     u"All (*.jpg *.jpeg *.bmp);;JPEG Image File (*.jpg);;"
     u"JPEG Image File (*.jpeg);;Bitmaps (*.bmp)"},
    /* 299 */
    {u"HTML file in UTF-8 (*.htm *.html);;Unicode UTF-16 text file (*.uni);;"
     u"Rich text UTF-16 file (*.rtf);;Comma separated values ANSI text file (*.csv);;"
     u"Plain ANSI text file (*.txt)",
     u"HTML file in UTF-8 (*.htm *.html);;Unicode UTF-16 text file (*.uni);;"
     u"Rich text UTF-16 file (*.rtf);;Comma separated values ANSI text file (*.csv);;"
     u"Plain ANSI text file (*.txt)"},
    /* 300 */ {u"Hepsini Aç", u"Hepsini Aç"},
    /* 301 */ {u"Hepsini Kapat", u"Hepsini Kapat"},
    /* 302 */ {u"Kişi Bilgileri", u"Kişi Bilgileri"},
    /* 303 */ {u"Arkada Resim", u"Arkada Resim"},
    /* 304 */ {u"Satır Seçimi", u"Satır Seçimi"},
    /* 305 */ {u"Nesil No", u"Nesil No"},
    /* 306 */ {u"Doğum Yeri", u"Doğum Yeri"},
    /* 307 */ {u"Doğum Ölüm", u"Doğum Ölüm"},
    /* 308 */ {u"Baba", u"Baba"},
    /* 309 */ {u"Anne", u"Anne"},
    /* 310 */ {u"Eşleri", u"Eşleri"},
    /* 311 */ {u"Eşi", u"Eşi"},
    /* 312 */ {u"Çocukları", u"Çocukları"},
    /* 313 */ {u"Doğum - Ölüm Tarihi", u"Doğum - Ölüm Tarihi"},
    /* 314 */ {u"Turkish", u"Turkish"},
    /* 315 */ {u"English", u"English"},
};

} // namespace

QString LangText(Msg entry, Lang lang)
{
    const int e = int(entry);
    const int l = int(lang);
    if (e < 0 || e >= LangTableSize || l < 0 || l > 1)
        return QString();
    return QString::fromUtf16(Texts[e][l]);
}

} // namespace kinrow
