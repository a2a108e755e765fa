#pragma once

#include "model/session.h"

#include <QObject>

namespace kinrow {

class PersonPage;
class Prompts;

// The person page's picture actions: adding a picture file, removing one (optionally deleting
// the file) and viewing the picture on show at its natural size.
class PictureEditor : public QObject
{
    Q_OBJECT
public:
    PictureEditor(Session& state, PersonPage& page, Prompts& prompts, QObject* parent = nullptr);

    void SB_ResimEkleClick();
    void SB_ResimSilClick();
    void Image_ResimClick();

private:
    bool mayChangePictures() const;

    Session& session_;
    PersonPage& page_;
    Prompts& prompts_;
};

} // namespace kinrow
