# Reads NEWS.md, the one list of what each version brings, and writes it out
# as a Debian changelog. NEWS.md's sections begin "## VERSION (YYYY-MM-DD)",
# the newest first; their bullets ("- ", continued by lines indented two
# spaces) and paragraphs become the changelog's entries.
#
#   tarnwick_news_to_changelog(NEWS PACKAGE MAINTAINER OUTPUT RELEASE_DATE_VAR)
#
# writes OUTPUT and sets RELEASE_DATE_VAR to the newest version's day. Fails
# when the newest version is not the project's, so a release cannot go out
# without saying what it brings.

# "Mon, 07 Dec 2026 00:00:00 +0000" for 2026, 12, 7: the day of the week by
# Sakamoto's method, which the changelog's readers check.
function(_tarnwick_rfc2822_date year month day out)
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  math(EXPR m "${month} - 1")
  math(EXPR d "${day}")
  set(y ${year})
  if(m LESS 2)
    math(EXPR y "${y} - 1")
  endif()
  list(GET offsets ${m} offset)
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${d}) % 7")
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${m} month_name)
  if(d LESS 10)
    set(d "0${d}")
  endif()
  set(${out} "${weekday_name}, ${d} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

function(tarnwick_news_to_changelog news package maintainer output release_date_var)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${news}")
  file(READ "${news}" text)
  # One list item a line: semicolons and brackets would split or join items.
  string(ASCII 1 semicolon)
  string(ASCII 2 open_bracket)
  string(ASCII 3 close_bracket)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${open_bracket}" text "${text}")
  string(REPLACE "]" "${close_bracket}" text "${text}")
  string(REPLACE "`" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  set(changelog "")
  set(trailer "")
  set(newest "")
  set(in_version FALSE)
  set(blank_pending FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^## ([0-9][0-9A-Za-z.+~-]*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
      set(version ${CMAKE_MATCH_1})
      set(year ${CMAKE_MATCH_2})
      set(month ${CMAKE_MATCH_3})
      set(day ${CMAKE_MATCH_4})
      string(APPEND changelog "${trailer}")
      _tarnwick_rfc2822_date(${year} ${month} ${day} date)
      if(newest STREQUAL "")
        set(newest ${version})
        set(${release_date_var} "${year}-${month}-${day}" PARENT_SCOPE)
      endif()
      string(APPEND changelog "${package} (${version}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${date}\n\n")
      set(in_version TRUE)
      set(entry_started FALSE)
      set(blank_pending FALSE)
    elseif(line MATCHES "^## ")
      message(FATAL_ERROR "${news}: a version's heading reads \"## VERSION (YYYY-MM-DD)\", not \"${line}\"")
    elseif(NOT in_version)
      # The title and the words before the first version.
    elseif(line STREQUAL "")
      set(blank_pending ${entry_started})
    else()
      set(entry_started TRUE)
      if(blank_pending)
        string(APPEND changelog "\n")
        set(blank_pending FALSE)
      endif()
      if(line MATCHES "^- (.*)$")
        string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
      elseif(line MATCHES "^  (.*)$")
        string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
      else()
        string(APPEND changelog "  ${line}\n")
      endif()
    endif()
  endforeach()
  string(APPEND changelog "${trailer}")
  # The last entry ends with one newline, not a blank line.
  string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")

  if(NOT newest STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${news} says what version \"${newest}\" brings, but the project's version is "
                        "${PROJECT_VERSION}: add a section for ${PROJECT_VERSION} at its top")
  endif()
  string(REPLACE "${semicolon}" ";" changelog "${changelog}")
  string(REPLACE "${open_bracket}" "[" changelog "${changelog}")
  string(REPLACE "${close_bracket}" "]" changelog "${changelog}")
  # Written only when it changes, so an unchanged changelog is not packed again.
  file(WRITE "${output}.new" "${changelog}")
  configure_file("${output}.new" "${output}" COPYONLY)
endfunction()
