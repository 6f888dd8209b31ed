#include "hostframework/adaptor/template_no_ui_view.h"

#include <new>

CCustomView* NewTemplateNoUIView()
{
    return new (std::nothrow) CTemplateNoUIView;
}
