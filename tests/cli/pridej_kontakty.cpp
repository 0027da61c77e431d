// Fills the address book of the session bus's Evolution Data Server for a test: each argument
// is one vCard, added to the built-in address book.
#include <libebook/libebook.h>

#include <cstdio>

int main(int argc, char **argv)
{
    GError *chyba = nullptr;
    ESourceRegistry *registr = e_source_registry_new_sync(nullptr, &chyba);
    if (!registr) {
        std::fprintf(stderr, "registry: %s\n", chyba->message);
        return 1;
    }
    ESource *zdroj = e_source_registry_ref_builtin_address_book(registr);
    EClient *klient = e_book_client_connect_sync(zdroj, static_cast<guint32>(-1), nullptr, &chyba);
    if (!klient) {
        std::fprintf(stderr, "connect: %s\n", chyba->message);
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        EContact *kontakt = e_contact_new_from_vcard(argv[i]);
        if (!e_book_client_add_contact_sync(E_BOOK_CLIENT(klient), kontakt,
                E_BOOK_OPERATION_FLAG_NONE, nullptr, nullptr, &chyba)) {
            std::fprintf(stderr, "add: %s\n", chyba->message);
            return 1;
        }
        g_object_unref(kontakt);
    }
    g_object_unref(klient);
    g_object_unref(zdroj);
    g_object_unref(registr);
    return 0;
}
