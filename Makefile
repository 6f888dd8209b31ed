# Entry points: `make demo` and `make test` set everything up from a fresh clone.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
ASAN_DIR := build/asan
DEMO_WAV := build/demo.wav

.PHONY: deps release asan demo test test-release test-asan bench bench-realtime art deps-fuzz fuzz clean

deps:
	@scripts/install-deps

$(RELEASE_DIR)/build.ninja: | deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

$(ASAN_DIR)/build.ninja: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKRAVO_SANITIZE=ON

release: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) -j $(JOBS)

asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR) -j $(JOBS)

# Factory program 0 ("Q-groovy 120bpm") playing its first pattern (note 60, latched) for 8 bars at
# 120 BPM with the transport running; its sample slots' files go into the sample folder first.
demo: release
	scripts/install-factory-samples $(RELEASE_DIR)
	$(RELEASE_DIR)/host/kravo-host render --out $(DEMO_WAV) --program 0 --tempo 120 --play --note 0:60 --seconds 16
	@echo "demo written to $(abspath $(DEMO_WAV))"

test-release: release
	cd $(RELEASE_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: asan
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-release test-asan

bench: release
	$(RELEASE_DIR)/bench/kravo-bench

# Every image of the editor on one sheet, labelled by id, for a person to look at.
ART_SHEET := build/art/contact-sheet.png

art: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) --target kravo_editor_art_generator
	mkdir -p $(dir $(ART_SHEET))
	$(RELEASE_DIR)/resources/editor_art/kravo_editor_art_generator --contact-sheet $(ART_SHEET)
	@echo "contact sheet written to $(ART_SHEET)"

# Whole renders through kravo-host on one core: real-time factors, construction time and object size.
bench-realtime: release
	python3 bench/realtime_factors.py $(RELEASE_DIR)

# Fuzzes the sample file readers for FUZZ_SECONDS (a smoke run), seeded with the
# tests' crafted files, then the typed chunk record parser for as long, seeded
# with two small records, then the host resource file reader, seeded with the
# plug-in's own resource file and a small two-resource one, then the keyed tables
# of type resources, seeded with a two-record table, then the host controls' value
# texts, then the view description reader, seeded with one description, then the view builder
# over whole records, seeded with one record, then the item list view over whole item lists,
# seeded with a text and a picture item; clang's
# libFuzzer with ASan and UBSan, in its own build. Inputs that found something new stay in the
# FUZZ_DIR/*corpus folders for the next run; a crash leaves its input in FUZZ_DIR
# as crash-*.
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

deps-fuzz:
	@scripts/install-deps --fuzz

$(FUZZ_DIR)/build.ninja: | deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKRAVO_FUZZ=ON -DKRAVO_TESTS=OFF -DKRAVO_BENCH=OFF

fuzz: deps-fuzz $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target kravo-sample-fuzzer kravo-sample-seeds kravo-chunk-fuzzer \
	  kravo-resource-fuzzer kravo_host_resources kravo-table-fuzzer kravo-value-text-fuzzer \
	  kravo-state-chunk-fuzzer kravo-state-file-fuzzer kravo-view-description-fuzzer kravo-view-record-fuzzer \
	  kravo-item-list-fuzzer
	rm -rf $(FUZZ_DIR)/seeds && $(FUZZ_DIR)/fuzz/kravo-sample-seeds $(FUZZ_DIR)/seeds
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/fuzz/kravo-sample-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus $(FUZZ_DIR)/seeds
	mkdir -p $(FUZZ_DIR)/chunk-corpus
	{ printf 'H\0\0\0'; head -c 52 /dev/zero; printf '\1\1\1\1f_gain\0\0\77\200\0\0'; } \
	  > $(FUZZ_DIR)/chunk-corpus/seed-float
	{ printf '\134\0\0\0'; head -c 52 /dev/zero; \
	  printf '\1\1\1\1d_x\0\300\4\0\0\0\0\0\0l_ab\0\0\0\0\1\2\3\4s_s\0\377\376\0\0'; } \
	  > $(FUZZ_DIR)/chunk-corpus/seed-every-type
	$(FUZZ_DIR)/fuzz/kravo-chunk-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/chunk-corpus
	mkdir -p $(FUZZ_DIR)/resource-corpus
	cp $(FUZZ_DIR)/hostframework/libkravo.so.rsr $(FUZZ_DIR)/resource-corpus/seed-plugin
	printf 'KRSR\0\1\0\2STR \377\377\4name\0\0\0\3abccfrg\0\0\0\0\0\0\0' \
	  > $(FUZZ_DIR)/resource-corpus/seed-two
	$(FUZZ_DIR)/fuzz/kravo-resource-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/resource-corpus
	mkdir -p $(FUZZ_DIR)/table-corpus
	printf '\0\2\0\3\0\6\0\12\0\13\0\14\0\15\0\16\0\17\0\1\0\1\0\1\0\7\0\0' \
	  > $(FUZZ_DIR)/table-corpus/seed-two-records
	$(FUZZ_DIR)/fuzz/kravo-table-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/table-corpus
	mkdir -p $(FUZZ_DIR)/value-text-corpus
	printf '2.5 kHz' > $(FUZZ_DIR)/value-text-corpus/seed-kilohertz
	$(FUZZ_DIR)/fuzz/kravo-value-text-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/value-text-corpus
	mkdir -p $(FUZZ_DIR)/view-description-corpus
	printf "\105!Background[('abcd' plate 3)(getString(128 2) -0x10 .5 shortVersion)]" \
	  > $(FUZZ_DIR)/view-description-corpus/seed-description
	$(FUZZ_DIR)/fuzz/kravo-view-description-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/view-description-corpus
	mkdir -p $(FUZZ_DIR)/view-record-corpus
	printf "\10\12\0\24\0\36\0\50\0\50!Background[('abcd' inversePlate -2)(1)]" \
	  > $(FUZZ_DIR)/view-record-corpus/seed-record
	$(FUZZ_DIR)/fuzz/kravo-view-record-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/view-record-corpus
	mkdir -p $(FUZZ_DIR)/item-list-corpus
	printf '\0\1\0\0\0\0\0\0\0\0\0\24\0\50\10\3One\0\0\0\0\0\0\30\0\0\0\40\0\50\100\2\0\202' \
	  > $(FUZZ_DIR)/item-list-corpus/seed-text-and-picture
	$(FUZZ_DIR)/fuzz/kravo-item-list-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/item-list-corpus
	mkdir -p $(FUZZ_DIR)/state-chunk-corpus
	{ printf 'oxev\0\0\0\1\0\0\0\2\0\0\0\2'; head -c 64 /dev/zero; printf '\77\200\0\0\0\0\0\0'; } \
	  > $(FUZZ_DIR)/state-chunk-corpus/seed-two-values
	$(FUZZ_DIR)/fuzz/kravo-state-chunk-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/state-chunk-corpus
	mkdir -p $(FUZZ_DIR)/state-file-corpus
	{ printf 'KRAVO-STATE\0\0\0\1\0\0\0\1tQQt\0\0\0\70\70\0\0\0'; head -c 52 /dev/zero; } \
	  > $(FUZZ_DIR)/state-file-corpus/seed-one-chunk
	$(FUZZ_DIR)/fuzz/kravo-state-file-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/state-file-corpus

clean:
	rm -rf build
