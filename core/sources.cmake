# The calculation core's sources, shared by its library and the fuzz build.
set(ORVANE_CORE_SOURCES
  angles.cpp angles.h
  boardfeet.cpp boardfeet.h
  csv.cpp csv.h
  cutlist.cpp cutlist.h
  fractions.cpp fractions.h
  joints.cpp joints.h
  jsontext.cpp jsontext.h
  jsontree.cpp jsontree.h
  length.cpp length.h
  lumber.cpp lumber.h
  picture.cpp picture.h
  project.cpp project.h
  projectfile.cpp projectfile.h projectfilewriter.cpp
  reading.cpp reading.h
  results.h resultscsv.cpp resultsjson.cpp resultstext.cpp resultvalues.cpp
  ring.cpp ring.h
  ringreader.cpp ringreader.h
  ringresult.cpp ringresult.h
  profile.cpp profile.h
  ringdesign.cpp ringdesign.h
  stacking.cpp stacking.h
  text.cpp text.h
  vessel.h
  vesselresults.cpp vesselresults.h
  wall.cpp wall.h
  woods.cpp woods.h
)
list(TRANSFORM ORVANE_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
