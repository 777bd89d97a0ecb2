#pragma once
// One function per table, each in its own file of this folder, returning the table's declaration.
#include "data/declaration.h"

namespace zrv::data::tables {

decl::Table kata_event();
decl::Table kumite_individual();
decl::Table kumite_equipo5();
decl::Table competidor();
decl::Table dojo();
decl::Table tournament_info();
decl::Table categoria();
decl::Table divisiones();
decl::Table resultados_kata_jueces5();
decl::Table modalidades();
decl::Table katas();
decl::Table colores();
decl::Table equipos();
decl::Table tatami_mats();
decl::Table resultados_manual();
decl::Table scoreboard();
decl::Table kata_juez_card1();
decl::Table kata_juez_card2();
// Cards 3 to 7 share one layout written for judge {k}, with the differences of card 6.
decl::Table kata_juez_card(int judge);

// What every judge's card shares, written for the card's prefix "KJ{k}".
namespace card {
decl::Key first_key();                                  // KJ{k}:KeyIDCardJ{k}
decl::Key key_on(std::string name, std::string field);  // duplicates, described by its own name
std::vector<decl::Key> competitor_keys();               // KJ{k}:KeyCompetidor1 .. 8
decl::Check queue_check();                              // KJ{k}:Queue
std::vector<decl::Default> queue_default();
decl::Relation event_relation(std::string link_field);
}  // namespace card

}  // namespace zrv::data::tables
