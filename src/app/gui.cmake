target_sources(vitacor_gui PRIVATE
  app/SingleApplication.cpp app/SingleApplication.h
)
